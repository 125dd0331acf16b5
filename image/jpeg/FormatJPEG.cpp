#include "image/jpeg/FormatJPEG.h"

#include "image/ProbeBytes.h"
#include "image/jpeg/JpegDecoder.h"
#include "image/jpeg/JpegSimd.h"
#include "image/jpeg/MemoryJpegSource.h"
#include "io/Stream.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

namespace {
constexpr uint32_t kMinimumSize = 17;
constexpr uint32_t kProbeBytes = 11;
// SOI and the APP0 marker (4 bytes), its length (2, not examined), then the identifier.
constexpr uint32_t kIdentifierOffset = 6;
const uint8_t kJfifIdentifier[5] = {'J', 'F', 'I', 'F', 0};

struct FreeDeleter {
    void operator()(void* bytes) const { std::free(bytes); }
};
} // namespace

int cFormatJPEG::probe(Stream* stream) {
    uint8_t header[kProbeBytes];
    if (!peekBytes(stream, kMinimumSize, header, kProbeBytes)) return -1;
    return std::memcmp(header + kIdentifierOffset, kJfifIdentifier, 5) == 0 ? 1 : -1;
}

int cFormatJPEG::load(Stream* stream) {
    reset();
    if (probe(stream) != 1) return -1;
    const uint32_t fileSize = stream->size();
    std::unique_ptr<uint8_t, FreeDeleter> file(static_cast<uint8_t*>(std::malloc(fileSize)));
    if (!file) return -1;
    stream->read(file.get(), fileSize);

    MemoryJpegSource source(file.get(), fileSize);
    std::unique_ptr<JpegDecoder> decoder(new (std::nothrow) JpegDecoder(&source, true));
    if (!decoder) return -1;
    if (decoder->errorCode() != 0) {
        std::printf("Warning cFormatJPEG::load() error\n");
        return -1;
    }
    const int width = decoder->width(), height = decoder->height();
    const uint32_t bitsPerPixel = uint32_t(decoder->componentCount()) * 8;
    if (bitsPerPixel != 24 && bitsPerPixel != 32) {
        std::printf("Warning cFormatJPEG::load() bad BPP\n");
        return -1;
    }
    if (decoder->begin() != 0) {
        std::printf("Warning cFormatJPEG::load() error\n");
        return -1;
    }
    // Only three components get this far: four-component frames fail in begin().
    if (!allocatePixels(uint64_t(height) * uint32_t(width) * 3)) return -1;
    width_ = width;
    height_ = height;
    bitsPerPixel_ = bitsPerPixel;

    int rows = 0;
    const uint8_t* row = nullptr;
    int rowBytes = 0;
    const JpegStoreBgrFunction storeBgr = jpegStoreBgr();
    while (rows < height && decoder->decodeLine(row, rowBytes) == 0) {
        storeBgr(row, pixels_ + size_t(height - 1 - rows) * width * 3, width);
        ++rows;
    }
    if (rows != height)
        std::printf("error: decoded %i lines (%i %i) %i\n", rows, width, height,
                    decoder->errorCode());
    return 0;
}
