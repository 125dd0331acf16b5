// `vornex --check`: reads the script, its includes and its plugins without opening a
// window, prints one diagnostic line per problem and a summary on standard output, and
// returns the exit status (0 clean, 1 with errors, 3 with warnings only; ExitStatus.h).
#pragma once

int runCheck(const char* scriptPath);
