#include "image/jpeg/FormatJPEG.h"

#include "image/ImageRefusal.h"
#include "image/ProbeBytes.h"
#include "image/jpeg/JpegDecoder.h"
#include "image/jpeg/JpegParallelRows.h"
#include "image/jpeg/MemoryJpegSource.h"
#include "io/Stream.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <new>
#include <thread>

namespace {
constexpr uint32_t kJpegMinimumSize = 17;
constexpr uint32_t kProbeBytes = 4;

struct FreeDeleter {
    void operator()(void* bytes) const { std::free(bytes); }
};
} // namespace

cFormatJPEG::cFormatJPEG() : twoThreads_(std::thread::hardware_concurrency() > 1) {}

int cFormatJPEG::probe(Stream* stream) {
    // SOI, then any marker: JFIF, Exif, Adobe, a comment or tables may come first.
    uint8_t header[kProbeBytes];
    if (!peekBytes(stream, kJpegMinimumSize, header, kProbeBytes)) return -1;
    return header[0] == 0xFF && header[1] == 0xD8 && header[2] == 0xFF && header[3] != 0 ? 1 : -1;
}

int cFormatJPEG::load(Stream* stream) {
    reset();
    reason_ = "";
    if (probe(stream) != 1) return -1;
    const uint32_t fileSize = stream->size();
    std::unique_ptr<uint8_t, FreeDeleter> file(static_cast<uint8_t*>(std::malloc(fileSize)));
    if (!file) return -1;
    stream->read(file.get(), fileSize);

    MemoryJpegSource source(file.get(), fileSize);
    std::unique_ptr<JpegDecoder> decoder(new (std::nothrow) JpegDecoder(&source, true));
    if (!decoder) return -1;
    if (decoder->errorCode() != 0 || decoder->begin() != 0) {
        reason_ = decoder->reason();
        std::printf("Warning cFormatJPEG::load() error\n");
        return refuseImage("%s", reason_);
    }
    // Grey, colour and four-component pictures all become 24-bit BGR.
    const int width = decoder->width(), height = decoder->height();
    if (!allocatePixels(uint64_t(height) * uint32_t(width) * 3)) return -1;
    width_ = width;
    height_ = height;
    bitsPerPixel_ = 24;

    // Rows go in bottom first. A second thread pays for its start from about a quarter of a
    // megapixel on; on progressive pictures it shares only the last step, which was measured
    // to gain at 16 megapixels but not at one.
    const int leastPixels = decoder->progressive() ? 1 << 22 : 1 << 18;
    const JpegRowsRead read =
        readJpegRowsBgr(*decoder, file.get(), fileSize, pixels_ + size_t(height - 1) * width * 3,
                        -ptrdiff_t(width) * 3, twoThreads_ && width * height >= leastPixels);
    if (read.rows != height)
        std::printf("error: decoded %i lines (%i %i) %i\n", read.rows, width, height,
                    read.errorCode);
    if (read.resynchronisations > 0)
        noteImageDamage("corrupt JPEG data skipped up to the next restart marker %d %s, the "
                        "parts lost left grey",
                        read.resynchronisations, read.resynchronisations == 1 ? "time" : "times");
    return 0;
}
