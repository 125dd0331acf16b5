#include "demo/NumberText.h"

#include <cstdlib>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

const char* skipBlanks(const char* p) {
    while (isBlank(*p)) ++p;
    return p;
}

// The end of one number at `p`, or null when there is none.
const char* numberEnd(const char* p) {
    char* end = nullptr;
    std::strtod(p, &end);
    return end == p ? nullptr : end;
}

} // namespace

bool isIntegerText(const char* text) {
    const char* p = skipBlanks(text);
    if (*p == '+' || *p == '-') ++p;
    const char* digits = p;
    while (*p >= '0' && *p <= '9') ++p;
    return p != digits && *skipBlanks(p) == '\0';
}

bool isNumberText(const char* text) {
    const char* end = numberEnd(text);
    return end && *skipBlanks(end) == '\0';
}

bool isNumberListText(const char* text, int count) {
    const char* p = text;
    for (int i = 0; i < count; ++i) {
        if (i > 0) {
            p = skipBlanks(p);
            if (*p != ',') return false;
            ++p;
        }
        p = numberEnd(p);
        if (!p) return false;
    }
    return *skipBlanks(p) == '\0';
}
