// Stop requests during a render. On POSIX systems SIGINT, SIGTERM and SIGHUP remove the
// unfinished video file at once, from the handler; SIGXFSZ is ignored, so going past a file
// size limit is a write error the render reports instead of a silent end. On Windows, Ctrl+C,
// Ctrl+Break and a closing console are the stop requests; the open file cannot be removed
// from the handler, so the render removes it as it stops (a closing console waits for that).
// Either way the request is remembered, the render stops after the frame it is drawing and
// the target keeps what it held; a second one ends the process as it would have without a
// render (on Windows possibly leaving the temporary file behind).
#pragma once

namespace renderSignals {

void install();
// Puts the usual handling back (the file is gone or complete by then, so a closing console
// may end the process); the signal caught so far is still reported.
void restore();
// The file the first signal removes; null for none. The path is copied.
void setFileToRemove(const char* path);
// The number of the signal caught, 0 when none came.
int caught();
// "SIGINT", "SIGTERM", "SIGHUP" ("Ctrl+C", "Ctrl+Break", "the console closing" on
// Windows) or "a signal".
const char* name(int number);

} // namespace renderSignals
