#include "demo/KeyLog.h"

#include <cstdio>

namespace {
// Main thread only; the warning is given once per process, not once per key press.
bool warningShown = false;
} // namespace

size_t formatKeyLogLine(char* out, size_t size, float time, int32_t bank, char character) {
    const int length =
        // Compared by scripts and tests: keep the text exactly.
        std::snprintf(out, size, "\t<event time=\"%.1f\" bank=\"%u\" trigger=\"%c\"/>\r\n",
                      static_cast<double>(time), static_cast<unsigned>(bank), character);
    if (length < 0) return 0;
    return static_cast<size_t>(length) < size ? static_cast<size_t>(length) : size - 1;
}

void appendKeyLog(const char* fileName, float time, int32_t bank, char character) {
    char line[128];
    const size_t length = formatKeyLogLine(line, sizeof line, time, bank, character);
    FILE* file = std::fopen(fileName, "ab");
    if (!file) {
        // The presses still fire; only the record of them is lost, and the user is told.
        if (!warningShown)
            std::fprintf(stderr, "Warning: cannot write key log file %s\n", fileName);
        warningShown = true;
        return;
    }
    std::fwrite(line, 1, length, file);
    std::fclose(file);
}
