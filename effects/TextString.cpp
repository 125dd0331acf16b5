#include "TextString.h"

void readTextAttribute(const char* value, char* text, size_t size) {
    if (size == 0) return;
    size_t out = 0;
    for (const char* p = value; *p && out + 1 < size; ++p) {
        if (*p == '\\' && p[1] == 'n') {
            text[out++] = '\n';
            ++p;
        } else if (*p == '\\' && p[1] == '\\') {
            text[out++] = '\\';
            ++p;
        } else if (*p == '\r') {
            if (p[1] != '\n') text[out++] = '\n';
        } else {
            text[out++] = *p;
        }
    }
    text[out] = '\0';
}
