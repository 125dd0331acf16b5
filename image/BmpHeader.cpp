#include "image/BmpHeader.h"

#include "image/LittleEndian.h"

#include <cstring>

namespace {
constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kCoreSize = 12;
constexpr uint32_t kInfoSize = 40;

// OS/2 2.x headers are 16 to 64 bytes long; Windows uses 40, 52 and 56 from that range.
bool os2Size(uint32_t size) {
    return size >= 16 && size <= 64 && size != 40 && size != 52 && size != 56;
}
} // namespace

BmpHeader::BmpHeader(const uint8_t* bytes) {
    dataOffset = readU32(bytes + 10);
    infoSize = readU32(bytes + 14);
    const uint8_t* info = bytes + kFileHeaderSize;
    if (infoSize == kCoreSize) {
        os2 = true;
        width = readU16(info + 4);
        height = readU16(info + 6);
        bitCount = readU16(info + 10);
        paletteEntrySize = 3;
    } else {
        os2 = os2Size(infoSize);
        // Fields past the end of a short OS/2 2.x header count as zero.
        uint8_t fields[kInfoSize] = {};
        std::memcpy(fields, info, os2 && infoSize < kInfoSize ? infoSize : kInfoSize);
        width = int32_t(readU32(fields + 4));
        const int32_t storedHeight = int32_t(readU32(fields + 8));
        topDown = storedHeight < 0;
        height = topDown ? -int64_t(storedHeight) : storedHeight;
        bitCount = readU16(fields + 14);
        compression = readU32(fields + 16);
        paletteCount = readU32(fields + 32);
    }

    // Masks follow a 40-byte header (three, or four with alpha) and sit inside the longer
    // Windows headers; only a 56-byte or longer header has room for the alpha mask.
    const bool bitFields = !os2 && (compression == kBitFields || compression == kAlphaBitFields);
    uint32_t maskBytes = 0;
    if (bitFields) {
        const bool alpha = compression == kAlphaBitFields || infoSize >= 56;
        for (int i = 0; i < (alpha ? 4 : 3); ++i) masks[i] = readU32(bytes + 54 + 4 * i);
        if (infoSize == kInfoSize) maskBytes = alpha ? 16 : 12;
    } else if (bitCount == 16 && compression == kRgb) {
        masks[0] = 0x7C00;
        masks[1] = 0x03E0;
        masks[2] = 0x001F;
    }
    const uint64_t paletteStart = uint64_t(kFileHeaderSize) + infoSize + maskBytes;
    paletteOffset = paletteStart > UINT32_MAX ? UINT32_MAX : uint32_t(paletteStart);
    if (bitCount <= 8) {
        const uint32_t full = 1u << bitCount;
        if (paletteCount == 0 || paletteCount > full) paletteCount = full;
    } else {
        paletteCount = 0;
    }
}
