#include "resource/ResourceName.h"

#include <vornex/Texture.h>

#include <cstring>
#include <strings.h>

static_assert(kResourceNameLength == Texture::kNameSize - 1, "names fill their field");

void copyResourceName(char* field, size_t fieldSize, const char* name) {
    const size_t length = strnlen(name, fieldSize - 1);
    std::memcpy(field, name, length);
    field[length] = '\0';
}

bool sameResourceName(const char* stored, const char* name) {
    return strncasecmp(stored, name, kResourceNameLength) == 0;
}
