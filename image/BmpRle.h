// Run-length decoding of BMP pixel data (RLE8 and RLE4) into one palette index per pixel.
// Rows are filled in the order the file stores them; pixels that no run reaches (skipped by
// a delta, or left at the end of a line or of the picture) keep the index the caller put
// there. Runs past the right edge are dropped, and decoding stops at the end-of-picture
// code, after the last row, or at the end of the data.
#pragma once

#include <cstdint>

// `indices` holds width x height bytes, row after row.
void decodeBmpRle(const uint8_t* data, uint32_t size, bool fourBit, int32_t width, int32_t height,
                  uint8_t* indices);
