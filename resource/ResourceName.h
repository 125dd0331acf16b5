// Names of textures and surfaces: 32-byte fields holding at most 31 characters, compared
// without regard to ASCII case.
#pragma once

#include <cstddef>

// Longer names are cut to fit.
void copyResourceName(char* field, size_t fieldSize, const char* name);
bool sameResourceName(const char* a, const char* b);
