// The process-wide text log: one line per call, each line opened, written, flushed and
// closed, so the file is complete up to the last line even if the process dies.
#pragma once

#include <cstdint>

enum LogFormat : uint32_t {
    LOG_TIME = 0x40,
    LOG_DATE = 0x80,
    LOG_COUNTER = 0x100,
    LOG_LEVEL = 0x200,
};

enum LogOutput : uint32_t {
    LOG_TO_FILE = 0x01,
    LOG_TO_CONSOLE = 0x02,
    LOG_TO_MESSAGEBOX = 0x08,
};

class Log {
public:
    static Log& instance();

    void setFileName(const char* name);
    void setOutputs(uint32_t mask);
    void setEnabled(bool flag);
    void setFormat(uint32_t bits) { format = bits; }
    void setIndent(uint32_t tabs) { indent = tabs; }

    // Level 0 line; does nothing (not even expand the format) while disabled.
    void print(const char* format, ...) __attribute__((format(printf, 2, 3)));
    int printLevel(uint32_t level, const char* format, ...) __attribute__((format(printf, 3, 4)));

    uint32_t lineCount() const { return lineCount_; }
    const char* fileName() const { return fileName_; }

    static constexpr uint32_t kMessageSize = 16384;
    static constexpr uint32_t kLineSize = 32768;
    static constexpr uint32_t kFileNameSize = 256;

private:
    Log();
    static void tearDown();
    void emit(uint32_t level, const char* message);
    void writeToFile(const char* line, uint32_t length);

    uint32_t format;
    uint32_t outputs;
    uint32_t indent;
    uint32_t lineCount_;
    char fileName_[kFileNameSize];
    uint32_t level;
    bool fileCreated;
    bool enabled;
    bool fileWarningShown;
};
