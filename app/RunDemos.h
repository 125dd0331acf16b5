// The script driver: every top-level `demo` element becomes a Demo that lives for the walk
// of its element. The document outlives them all.
#pragma once

class EditSession;
class FrameDriver;
class ScriptDocument;

// Each demo's `run` begins at `startTime` seconds. With an edit session, the driver stops
// after a demo that ended because its script changed. `driver`, when given, takes over
// every demo's clock and presentation (rendering), and no demo runs after it has finished.
void runDemos(ScriptDocument& document, double startTime, EditSession* edit,
              FrameDriver* driver = nullptr);
