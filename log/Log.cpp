#include "log/Log.h"

#include "platform/native/Native.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
// Shared working storage: the log is main-thread only and not reentrant.
char messageBuffer[Log::kMessageSize];
char lineBuffer[Log::kLineSize];
Log* theLog = nullptr;

// Appends printf-style text to the line, never past the buffer (keeping room for CR LF).
void appendf(uint32_t& length, const char* format, ...) __attribute__((format(printf, 2, 3)));
void appendf(uint32_t& length, const char* format, ...) {
    const uint32_t room = Log::kLineSize - 2 - length;
    if (room <= 1) return;
    va_list args;
    va_start(args, format);
    int written = std::vsnprintf(lineBuffer + length, room, format, args);
    va_end(args);
    if (written > 0) length += (static_cast<uint32_t>(written) < room) ? written : room - 1;
}
} // namespace

Log::Log()
    : format(LOG_COUNTER | LOG_TIME | LOG_LEVEL), outputs(LOG_TO_FILE), indent(0), lineCount_(0),
      fileName_("log.txt"), level(0), fileCreated(false), enabled(false), fileWarningShown(false) {}

// Never destroyed: calls made after the exit handler find it disabled and do nothing.
Log& Log::instance() {
    if (!theLog) {
        theLog = new Log();
        std::atexit(tearDown);
    }
    return *theLog;
}

void Log::tearDown() {
    theLog->format = 0;
    theLog->outputs = 0;
    theLog->indent = 0;
    theLog->lineCount_ = 0;
    theLog->fileCreated = false;
    theLog->enabled = false;
}

void Log::setFileName(const char* name) {
    std::snprintf(fileName_, sizeof fileName_, "%s", name);
    fileCreated = false;
    fileWarningShown = false;
}

void Log::setOutputs(uint32_t mask) {
    outputs = mask;
}
void Log::setEnabled(bool flag) {
    enabled = flag;
}

void Log::print(const char* fmt, ...) {
    if (!enabled) return;
    va_list args;
    va_start(args, fmt);
    std::vsnprintf(messageBuffer, sizeof messageBuffer, fmt, args);
    va_end(args);
    emit(0, messageBuffer);
}

int Log::printLevel(uint32_t lineLevel, const char* fmt, ...) {
    if (!enabled) return 0;
    va_list args;
    va_start(args, fmt);
    std::vsnprintf(messageBuffer, sizeof messageBuffer, fmt, args);
    va_end(args);
    emit(lineLevel, messageBuffer);
    return 0;
}

void Log::emit(uint32_t lineLevel, const char* message) {
    std::memset(lineBuffer, 0, sizeof lineBuffer);
    uint32_t length = 0;
    if (format & LOG_COUNTER) appendf(length, "%06u|", lineCount_);
    if (format & (LOG_TIME | LOG_DATE)) {
        native::SystemTime now{};
        native::getSystemTime(&now);
        // Compared by scripts and tests: keep the text exactly.
        if (format & LOG_DATE) appendf(length, "[%02u-%02u-%04u] ", now.day, now.month, now.year);
        if (format & LOG_TIME)
            appendf(length, "[%02u:%02u:%02u.%03u] ", now.hour, now.minute, now.second,
                    now.milliseconds);
    }
    level = lineLevel & 0x3F;
    if (format & LOG_LEVEL) {
        for (uint32_t i = 0; i < 5; ++i) appendf(length, "%c", i > level ? '*' : ' ');
        appendf(length, " ");
    }
    for (uint32_t i = 0; i < indent; ++i) appendf(length, "\t");
    // The message is copied, never used as a format again: a '%' in it stays literal.
    appendf(length, "%s", message);
    lineBuffer[length++] = '\r';
    lineBuffer[length++] = '\n';

    if (outputs & LOG_TO_FILE) writeToFile(lineBuffer, length);
    if (outputs & LOG_TO_CONSOLE) {
        std::fwrite(lineBuffer, 1, length, stdout);
        std::fflush(stdout);
    }
    if (outputs & LOG_TO_MESSAGEBOX)
        native::messageBox(nullptr, lineBuffer, "LOG", native::MB_OK | native::MB_ICONINFORMATION);
    ++lineCount_;
}

void Log::writeToFile(const char* line, uint32_t length) {
    FILE* file = std::fopen(fileName_, fileCreated ? "ab" : "wb");
    if (!file) {
        // The caller is never told; the user is, once per file name.
        if (!fileWarningShown)
            std::fprintf(stderr, "Warning: cannot write log file %s\n", fileName_);
        fileWarningShown = true;
        return;
    }
    fileCreated = true;
    std::fwrite(line, 1, length, file);
    std::fflush(file);
    std::fclose(file);
}
