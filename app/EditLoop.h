// `vornex --edit`: plays the script in edit mode and, whenever a script file changes, reads
// it again and plays it from the time it had reached. A script that cannot be read is
// reported with its position, and one that plays nothing (saved half-written) is
// reported too; either way the loop waits for the next change.
#pragma once

void runEditLoop(const char* scriptPath, float startTime);
