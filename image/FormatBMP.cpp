#include "image/FormatBMP.h"

#include "image/LittleEndian.h"
#include "image/ProbeBytes.h"
#include "io/Stream.h"

namespace {
constexpr uint32_t kMinimumSize = 17;
constexpr uint32_t kHeaderSize = 54;
constexpr int32_t kMaxSide = 2048;

bool acceptedHeader(const uint8_t* header) {
    const int32_t width = static_cast<int32_t>(readU32(header + 18));
    const int32_t height = static_cast<int32_t>(readU32(header + 22));
    const uint16_t bitCount = readU16(header + 28);
    const uint32_t compression = readU32(header + 30);
    return header[0] == 'B' && header[1] == 'M' && width >= 1 && width <= kMaxSide && height >= 1 &&
           height <= kMaxSide && (bitCount == 24 || bitCount == 32) && compression == 0;
}
} // namespace

int cFormatBMP::probe(Stream* stream) {
    uint8_t header[kHeaderSize];
    if (!peekBytes(stream, kMinimumSize, header, kHeaderSize)) return -1;
    return acceptedHeader(header) ? 1 : -1;
}

// A pixel block cut short by the end of the file leaves the missing pixels zero.
int cFormatBMP::load(Stream* stream) {
    reset();
    if (probe(stream) != 1) return -1;
    uint8_t header[kHeaderSize];
    stream->read(header, kHeaderSize);
    width_ = static_cast<int32_t>(readU32(header + 18));
    height_ = static_cast<int32_t>(readU32(header + 22));
    bitsPerPixel_ = readU16(header + 28);
    stream->seek(static_cast<int32_t>(readU32(header + 10)), Stream::SET);
    const uint32_t rowBytes = uint32_t(bitsPerPixel_ / 8) * uint32_t(width_);
    if (!allocatePixels(uint64_t(rowBytes) * uint32_t(height_))) return -1;
    // Rows are stored padded to four bytes; the image keeps them packed, so padding must
    // not run into the next row's pixels.
    const int32_t padding = static_cast<int32_t>((4 - rowBytes % 4) % 4);
    if (padding == 0) {
        stream->read(pixels_, size_);
        return 0;
    }
    for (int32_t row = 0; row < height_; ++row) {
        stream->read(pixels_ + uint64_t(row) * rowBytes, rowBytes);
        stream->seek(padding, Stream::CURRENT);
    }
    return 0;
}
