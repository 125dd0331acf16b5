// The script driver: every top-level `demo` element becomes a Demo that lives for the walk
// of its element. The document outlives them all.
#pragma once

class FrameDriver;
class ScriptDocument;

// `driver`, when given, takes over every demo's clock and presentation (rendering).
void runDemos(ScriptDocument& document, FrameDriver* driver = nullptr);
