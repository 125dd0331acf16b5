#include "resource/ResourceName.h"

#include <cstring>
#include <strings.h>

void copyResourceName(char* field, size_t fieldSize, const char* name) {
    const size_t length = strnlen(name, fieldSize - 1);
    std::memcpy(field, name, length);
    field[length] = '\0';
}

bool sameResourceName(const char* a, const char* b) {
    return strcasecmp(a, b) == 0;
}
