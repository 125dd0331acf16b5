// Names of textures and surfaces: 32-byte fields holding at most 31 characters, compared
// without regard to ASCII case.
#pragma once

#include <cstddef>

constexpr size_t kResourceNameLength = 31;

// Longer names are cut to fit.
void copyResourceName(char* field, size_t fieldSize, const char* name);
// Compares the first kResourceNameLength characters: a stored name is cut, so a long name
// must still find the entry it made. Names that differ only after that name one entry.
bool sameResourceName(const char* stored, const char* name);
