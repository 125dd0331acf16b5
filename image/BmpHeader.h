// The BMP file and info headers read into one record: the Windows headers of 40, 52, 56, 108
// and 124 bytes, the OS/2 1.x header of 12 bytes and the OS/2 2.x headers of 16 to 64 bytes.
// Unknown header sizes are read with the 40-byte layout. Checking what the fields ask for
// is the reader's business.
#pragma once

#include <cstdint>

struct BmpHeader {
    enum Compression : uint32_t {
        kRgb = 0,
        kRle8 = 1,
        kRle4 = 2,
        kBitFields = 3,
        kJpeg = 4,
        kPng = 5,
        kAlphaBitFields = 6,
    };
    // The file header, the largest info header and the masks after a 40-byte header.
    static constexpr uint32_t kReadSize = 14 + 124;

    // `bytes` holds kReadSize bytes from the start of the file, zero past its end.
    explicit BmpHeader(const uint8_t* bytes);

    uint32_t infoSize = 0;
    bool os2 = false;
    int32_t width = 0;
    // The number of rows; `topDown` when the file stores them top row first.
    int64_t height = 0;
    bool topDown = false;
    uint32_t bitCount = 0;
    uint32_t compression = kRgb;
    uint32_t dataOffset = 0;
    // Red, green, blue, alpha: as the header gives them for bit fields, the 5-5-5 layout for
    // uncompressed 16-bit pixels, otherwise zero.
    uint32_t masks[4] = {};
    // Where the palette starts in the file, its entry size (3 or 4 bytes) and its number of
    // entries (at most 256).
    uint32_t paletteOffset = 0;
    uint32_t paletteEntrySize = 4;
    uint32_t paletteCount = 0;
};
