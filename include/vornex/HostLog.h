// The player's log for effects: each call writes one line to log.txt, in the log's own
// format, so an effect's messages (a shader's compile errors, a file it cannot open) sit
// between the player's lines. Call from the player's thread (effect operations).
#pragma once

#include "Api.h"

VORNEX_API void hostLog(const char* format, ...) __attribute__((format(printf, 1, 2)));
