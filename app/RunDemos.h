// The script driver: every top-level `demo` element becomes a Demo that lives for the walk
// of its element. The document outlives them all.
#pragma once

class EditSession;
class ScriptDocument;

// Each demo's `run` begins at `startTime` seconds. With an edit session, the driver stops
// after a demo that ended because its script changed.
void runDemos(ScriptDocument& document, float startTime, EditSession* edit);
