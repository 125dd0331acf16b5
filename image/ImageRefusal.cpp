#include "image/ImageRefusal.h"

#include <cstdarg>
#include <cstdio>

namespace {
char refusal[kImageRefusalSize] = {};
char damage[kImageRefusalSize] = {};
} // namespace

int refuseImage(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(refusal, sizeof(refusal), format, arguments);
    va_end(arguments);
    return -1;
}

const char* imageRefusal() {
    return refusal;
}

void clearImageRefusal() {
    refusal[0] = '\0';
    damage[0] = '\0';
}

void noteImageDamage(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(damage, sizeof(damage), format, arguments);
    va_end(arguments);
}

const char* imageDamage() {
    return damage;
}
