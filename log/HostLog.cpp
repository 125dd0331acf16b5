#include <vornex/HostLog.h>

#include "log/Log.h"

#include <cstdarg>
#include <cstdio>

void hostLog(const char* format, ...) {
    // Main-thread only, like the log itself, so one buffer serves every call.
    static char message[Log::kMessageSize];
    va_list args;
    va_start(args, format);
    std::vsnprintf(message, sizeof message, format, args);
    va_end(args);
    Log::instance().print("%s", message);
}
