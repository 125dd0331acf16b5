// `vornex --check`: reads the script, its includes and its plugins without opening a
// window, prints one diagnostic line per problem and a summary on standard output, and
// returns the exit status (0 clean, 1 with errors, 3 with warnings only; ExitStatus.h).
#pragma once

// With `listFiles`, a script without errors is followed by what a release of it must hold:
// a line "data <path>" for each data file it uses (the script and its includes first, as
// found below the working directory) and "plugin <name>" for each plugin, as named.
int runCheck(const char* scriptPath, bool listFiles = false);
