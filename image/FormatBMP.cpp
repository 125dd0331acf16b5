#include "image/FormatBMP.h"

#include "image/BmpHeader.h"
#include "image/BmpRle.h"
#include "image/ImageRefusal.h"
#include "image/LittleEndian.h"
#include "image/ProbeBytes.h"
#include "io/Stream.h"

#include <memory>
#include <new>
#include <utility>

namespace {
constexpr uint32_t kBmpMinimumSize = 17;
constexpr int64_t kBmpMaxSide = 2048;

using Palette = uint8_t[256][3];

// One colour channel of a bit-field pixel, scaled from its mask's range to 0..255.
struct Channel {
    explicit Channel(uint32_t mask) : mask(mask) {
        if (mask == 0) return;
        while (!(mask >> shift & 1)) ++shift;
        maximum = mask >> shift;
    }
    uint8_t operator()(uint32_t pixel) const {
        if (maximum == 0) return 0;
        const uint64_t value = (pixel & mask) >> shift;
        return uint8_t((value * 255 + maximum / 2) / maximum);
    }
    uint32_t mask;
    uint32_t shift = 0;
    uint32_t maximum = 0;
};

std::unique_ptr<uint8_t[]> zeroedBytes(uint64_t count) {
    return std::unique_ptr<uint8_t[]>(count ? new (std::nothrow) uint8_t[count]() : nullptr);
}

// Palette entries are blue, green, red (and a reserved byte); entries the file does not
// hold stay black.
void readPalette(Stream* stream, const BmpHeader& header, Palette& palette) {
    uint8_t entries[256 * 4] = {};
    stream->seek(int32_t(header.paletteOffset), Stream::kSet);
    stream->read(entries, header.paletteCount * header.paletteEntrySize);
    for (uint32_t i = 0; i < header.paletteCount; ++i)
        for (int c = 0; c < 3; ++c) palette[i][c] = entries[i * header.paletteEntrySize + c];
}

void putIndexed(uint8_t* out, const uint8_t* row, int32_t width, uint32_t bits,
                const Palette& palette) {
    const uint32_t perByte = 8 / bits, mask = (1u << bits) - 1;
    for (int32_t x = 0; x < width; ++x, out += 3) {
        // The leftmost pixel is in the highest bits.
        const uint32_t shift = 8 - bits * (x % perByte + 1);
        const uint8_t* colour = palette[row[x / perByte] >> shift & mask];
        out[0] = colour[0];
        out[1] = colour[1];
        out[2] = colour[2];
    }
}

void putBitFields(uint8_t* out, const uint8_t* row, int32_t width, uint32_t bits,
                  const Channel (&channels)[4], uint32_t outBytes) {
    for (int32_t x = 0; x < width; ++x, out += outBytes) {
        const uint32_t pixel = bits == 16 ? readU16(row + 2 * x) : readU32(row + 4 * x);
        out[0] = channels[2](pixel);
        out[1] = channels[1](pixel);
        out[2] = channels[0](pixel);
        if (outBytes == 4) out[3] = channels[3](pixel);
    }
}
} // namespace

// Any "BM" file is taken, so that one this reader cannot load is refused with a reason.
int cFormatBMP::probe(Stream* stream) {
    uint8_t signature[2];
    if (!peekBytes(stream, kBmpMinimumSize, signature, sizeof(signature))) return -1;
    return signature[0] == 'B' && signature[1] == 'M' ? 1 : -1;
}

int cFormatBMP::refuseUnsupported(const BmpHeader& header) {
    const uint32_t bits = header.bitCount;
    if (header.width < 1 || header.height < 1)
        return refuseImage("BMP of %d x %lld pixels", header.width, (long long)header.height);
    if (header.width > kBmpMaxSide || header.height > kBmpMaxSide)
        return refuseImage("BMP of %d x %lld pixels is larger than %lld a side", header.width,
                           (long long)header.height, (long long)kBmpMaxSide);
    switch (header.compression) {
    case BmpHeader::kRgb:
        if (bits == 1 || bits == 2 || bits == 4 || bits == 8 || bits == 16 || bits == 24 ||
            bits == 32)
            return 0;
        return refuseImage("%u-bit BMP not supported", bits);
    case BmpHeader::kRle8:
    case BmpHeader::kRle4: {
        const uint32_t runBits = header.compression == BmpHeader::kRle8 ? 8 : 4;
        if (bits == runBits) return 0;
        return refuseImage("RLE%u BMP of %u bits not supported", runBits, bits);
    }
    case BmpHeader::kBitFields:
        if (header.os2) return refuseImage("OS/2 Huffman-coded BMP not supported");
        [[fallthrough]];
    case BmpHeader::kAlphaBitFields:
        if (bits == 16 || bits == 32) return 0;
        return refuseImage("%u-bit BMP with bit fields not supported", bits);
    case BmpHeader::kJpeg:
        return refuseImage(header.os2 ? "OS/2 RLE24 BMP not supported"
                                      : "BMP holding a JPEG picture not supported");
    case BmpHeader::kPng:
        return refuseImage("BMP holding a PNG picture not supported");
    default:
        return refuseImage("BMP compression %u not supported", header.compression);
    }
}

int cFormatBMP::load(Stream* stream) {
    reset();
    if (probe(stream) != 1) return -1;
    uint8_t bytes[BmpHeader::kReadSize];
    stream->read(bytes, sizeof(bytes));
    const BmpHeader header(bytes);
    if (refuseUnsupported(header) != 0) return -1;

    const bool stored = header.compression == BmpHeader::kRgb && header.bitCount >= 24;
    const bool runLength =
        header.compression == BmpHeader::kRle8 || header.compression == BmpHeader::kRle4;
    // 32 bits for stored 32-bit pixels and for an alpha mask; 24 for the rest.
    bitsPerPixel_ = stored ? header.bitCount : header.masks[3] != 0 ? 32 : 24;
    width_ = header.width;
    height_ = int32_t(header.height);
    if (!allocatePixels(uint64_t(bitsPerPixel_ / 8) * uint32_t(width_) * uint32_t(height_)))
        return refuseImage("out of memory");
    const int status = stored      ? loadStored(stream, header)
                       : runLength ? loadRunLength(stream, header)
                                   : loadExpanded(stream, header);
    if (status == 0 && header.topDown) flipRows();
    return status;
}

// A pixel block cut short by the end of the file leaves the missing pixels zero.
int cFormatBMP::loadStored(Stream* stream, const BmpHeader& header) {
    stream->seek(int32_t(header.dataOffset), Stream::kSet);
    const uint32_t rowBytes = uint32_t(bitsPerPixel_ / 8) * uint32_t(width_);
    // Rows are stored padded to four bytes; the image keeps them packed, so padding must
    // not run into the next row's pixels.
    const int32_t padding = static_cast<int32_t>((4 - rowBytes % 4) % 4);
    if (padding == 0) {
        stream->read(pixels_, size_);
    } else {
        for (int32_t row = 0; row < height_; ++row) {
            stream->read(pixels_ + uint64_t(row) * rowBytes, rowBytes);
            stream->seek(padding, Stream::kCurrent);
        }
    }
    if (bitsPerPixel_ != 32) return 0;
    for (uint32_t at = 3; at < size_; at += 4)
        if (pixels_[at] != 0) return 0;
    for (uint32_t at = 3; at < size_; at += 4) pixels_[at] = 255;
    return 0;
}

int cFormatBMP::loadExpanded(Stream* stream, const BmpHeader& header) {
    const uint32_t bits = header.bitCount;
    Palette palette = {};
    if (bits <= 8) readPalette(stream, header, palette);
    const Channel channels[4] = {Channel(header.masks[0]), Channel(header.masks[1]),
                                 Channel(header.masks[2]), Channel(header.masks[3])};
    const uint32_t stride = (uint32_t(width_) * bits + 31) / 32 * 4;
    const std::unique_ptr<uint8_t[]> row = zeroedBytes(stride);
    if (!row) return refuseImage("out of memory");
    const uint32_t outBytes = bitsPerPixel_ / 8;
    stream->seek(int32_t(header.dataOffset), Stream::kSet);
    for (int32_t y = 0; y < height_; ++y) {
        // Rows past the end of the file come out as index 0 or black.
        stream->read(row.get(), stride);
        uint8_t* out = pixels_ + uint64_t(y) * uint32_t(width_) * outBytes;
        if (bits <= 8)
            putIndexed(out, row.get(), width_, bits, palette);
        else
            putBitFields(out, row.get(), width_, bits, channels, outBytes);
    }
    return 0;
}

int cFormatBMP::loadRunLength(Stream* stream, const BmpHeader& header) {
    Palette palette = {};
    readPalette(stream, header, palette);
    const uint32_t fileSize = stream->size();
    const uint32_t dataSize = header.dataOffset < fileSize ? fileSize - header.dataOffset : 0;
    const std::unique_ptr<uint8_t[]> data = zeroedBytes(dataSize);
    const std::unique_ptr<uint8_t[]> indices = zeroedBytes(uint64_t(width_) * uint32_t(height_));
    if ((dataSize && !data) || !indices) return refuseImage("out of memory");
    stream->seek(int32_t(header.dataOffset), Stream::kSet);
    stream->read(data.get(), dataSize);
    // Pixels no run reaches show palette entry 0.
    decodeBmpRle(data.get(), dataSize, header.compression == BmpHeader::kRle4, width_, height_,
                 indices.get());
    for (uint64_t i = 0; i < uint64_t(width_) * uint32_t(height_); ++i)
        for (int c = 0; c < 3; ++c) pixels_[i * 3 + c] = palette[indices[i]][c];
    return 0;
}

void cFormatBMP::flipRows() {
    const uint64_t rowBytes = uint64_t(bitsPerPixel_ / 8) * uint32_t(width_);
    for (int32_t top = 0, bottom = height_ - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(pixels_ + top * rowBytes, pixels_ + (top + 1) * rowBytes,
                         pixels_ + bottom * rowBytes);
}
