#include "image/FormatTGA.h"

#include "image/ImageRefusal.h"
#include "image/LittleEndian.h"
#include "image/ProbeBytes.h"
#include "io/Stream.h"

#include <cstdlib>
#include <cstring>

namespace {
constexpr uint32_t kHeaderSize = 18;
constexpr int kTgaMaxSide = 4096;

bool acceptedHeader(const uint8_t* header) {
    const int width = static_cast<int16_t>(readU16(header + 12));
    const int height = static_cast<int16_t>(readU16(header + 14));
    const uint8_t type = header[2];
    const uint8_t depth = header[16];
    const bool knownType =
        type == 1 || type == 2 || type == 3 || type == 9 || type == 10 || type == 11;
    const bool knownDepth = depth == 8 || depth == 16 || depth == 24 || depth == 32;
    return width >= 1 && width <= kTgaMaxSide && height >= 1 && height <= kTgaMaxSide &&
           knownType && knownDepth;
}
} // namespace

cFormatTGA::~cFormatTGA() {
    std::free(imageId_);
}

int cFormatTGA::probe(Stream* stream) {
    uint8_t header[kHeaderSize];
    if (!peekBytes(stream, kHeaderSize, header, kHeaderSize)) return -1;
    return acceptedHeader(header) ? 1 : -1;
}

void cFormatTGA::clear() {
    reset();
    std::free(imageId_);
    imageId_ = nullptr;
    imageType = 0;
    std::memset(colourMap_, 0, sizeof(colourMap_));
    hasColourMap_ = false;
}

int cFormatTGA::load(Stream* stream) {
    clear();
    if (!stream) return -1;
    uint8_t header[kHeaderSize];
    stream->read(header, kHeaderSize);
    // The dispatch probed already; checking again keeps a direct load from sizing the pixel
    // buffer from a negative or absurd header.
    if (!acceptedHeader(header)) return -1;
    width_ = static_cast<int16_t>(readU16(header + 12));
    height_ = static_cast<int16_t>(readU16(header + 14));
    bitsPerPixel_ = header[16];
    imageType = header[2];

    const uint8_t idLength = header[0];
    if (idLength != 0) {
        imageId_ = static_cast<char*>(std::calloc(idLength + 1u, 1));
        if (!imageId_) return -1;
        stream->read(imageId_, idLength);
    }
    if (header[1] != 0 && readColourMap(stream, header) != 0) return -1;

    if (!allocatePixels(uint64_t(bitsPerPixel_ / 8) * uint32_t(height_) * uint32_t(width_)))
        return -1;
    if (imageType <= 3)
        stream->read(pixels_, size_);
    else
        readRunLength(stream);
    return 0;
}

// Entries whose index falls past the 256-entry map are read (the pixels follow the whole
// map) but not stored.
int cFormatTGA::readColourMap(Stream* stream, const uint8_t* header) {
    const uint32_t first = readU16(header + 3);
    const uint32_t length = readU16(header + 5);
    const uint32_t entryBytes = header[7] / 8;
    hasColourMap_ = true;
    if (length == 0) return 0;
    if (entryBytes < 2 || entryBytes > 4)
        return refuseImage("TGA colour map entries of %u bits not supported", header[7]);
    for (uint32_t i = 0; i < length; ++i) {
        uint8_t bytes[4] = {};
        if (stream->read(bytes, entryBytes) != 0) break;
        if (first + i >= kMapEntries) continue;
        MapEntry& entry = colourMap_[first + i];
        if (entryBytes == 2) {
            // 1-5-5-5 word; the fields stay 0..31 and 0..1, unscaled.
            const uint16_t word = readU16(bytes);
            entry = {uint8_t(word >> 10 & 31), uint8_t(word >> 5 & 31), uint8_t(word & 31),
                     uint8_t(word >> 15)};
        } else {
            entry = {bytes[2], bytes[1], bytes[0], entryBytes == 4 ? bytes[3] : uint8_t(0)};
        }
    }
    return 0;
}

// Packets may cross row ends; a run reaching past the picture is cut at its end, and a
// file that ends early leaves the rest of the picture zero.
void cFormatTGA::readRunLength(Stream* stream) {
    const uint32_t pixelBytes = bitsPerPixel_ / 8;
    uint32_t produced = 0;
    while (produced < size_) {
        uint8_t packet;
        if (stream->read(&packet, 1) != 0) return;
        const uint32_t count = (packet & 0x7Fu) + 1;
        const uint32_t room = (size_ - produced) / pixelBytes;
        const uint32_t written = count < room ? count : room;
        if (packet & 0x80) {
            uint8_t pixel[4];
            if (stream->read(pixel, pixelBytes) != 0) return;
            for (uint32_t i = 0; i < written; ++i, produced += pixelBytes)
                std::memcpy(pixels_ + produced, pixel, pixelBytes);
        } else {
            const int status = stream->read(pixels_ + produced, written * pixelBytes);
            produced += written * pixelBytes;
            if (status != 0) return;
            stream->seek(static_cast<int32_t>((count - written) * pixelBytes), Stream::kCurrent);
        }
    }
}
