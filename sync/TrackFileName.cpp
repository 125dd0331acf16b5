#include "sync/TrackFileName.h"

#include <cstdio>
#include <cstring>

namespace {

bool keptAsIs(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '_' || c == '/';
}

} // namespace

bool trackNameUsable(const char* trackName) {
    if (!trackName || !trackName[0] || trackName[0] == '/') return false;
    const char* part = trackName;
    for (;;) {
        const char* end = std::strchr(part, '/');
        const size_t length = end ? static_cast<size_t>(end - part) : std::strlen(part);
        if (length == 0) return false;
        if (length <= 2 && std::strncmp(part, "..", length) == 0) return false;
        if (!end) return true;
        part = end + 1;
    }
}

bool trackBaseUsable(const char* base) {
    return trackNameUsable(base) && !std::strpbrk(base, "\\:");
}

bool trackFileName(const char* base, const char* trackName, char* out, size_t size) {
    static const char kHex[] = "0123456789ABCDEF";
    if (size == 0) return false;
    out[0] = '\0';
    if (!trackBaseUsable(base) || !trackNameUsable(trackName)) return false;
    int written = std::snprintf(out, size, "%s_", base);
    if (written < 0 || static_cast<size_t>(written) >= size) {
        out[0] = '\0';
        return false;
    }
    size_t at = static_cast<size_t>(written);
    for (const unsigned char* c = reinterpret_cast<const unsigned char*>(trackName); *c; ++c) {
        const size_t needed = keptAsIs(*c) ? 1 : 3;
        if (at + needed >= size) {
            out[0] = '\0';
            return false;
        }
        if (needed == 1) {
            out[at++] = static_cast<char>(*c);
        } else {
            out[at++] = '-';
            out[at++] = kHex[*c >> 4];
            out[at++] = kHex[*c & 15];
        }
    }
    written = std::snprintf(out + at, size - at, ".track");
    if (written < 0 || static_cast<size_t>(written) >= size - at) {
        out[0] = '\0';
        return false;
    }
    return true;
}
