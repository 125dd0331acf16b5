// The script driver: every top-level `demo` element becomes a Demo that lives for the walk
// of its element. The document outlives them all.
#pragma once

class ScriptDocument;

void runDemos(ScriptDocument& document);
