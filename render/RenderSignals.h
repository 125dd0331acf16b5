// Signals during a render. SIGINT, SIGTERM and SIGHUP remove the unfinished video file at
// once, from the handler, and are remembered, so the render stops after the frame it is
// drawing and the target keeps what it held; a second one ends the process as it would
// have without a render. SIGXFSZ is ignored, so going past a file size limit is a write
// error the render reports instead of a silent end.
#pragma once

namespace renderSignals {

void install();
// Puts the usual handling back; the signal caught so far is still reported.
void restore();
// The file the first signal removes; null for none. The path is copied.
void setFileToRemove(const char* path);
// The number of the signal caught, 0 when none came.
int caught();
// "SIGINT", "SIGTERM", "SIGHUP" or "a signal".
const char* name(int number);

} // namespace renderSignals
