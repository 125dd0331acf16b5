// Writes 24-bit RGB pixels as a PNG file with libpng.
#pragma once

#include <cstdint>

// `pixels`: `height` rows of `width` RGB pixels, tightly packed, the bottom row first (as
// OpenGL reads them); the file gets them top row first. Returns 0, or -1 when the file
// cannot be written.
int writePng(const char* path, const uint8_t* pixels, int width, int height);
