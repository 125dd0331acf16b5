// Feeds arbitrary bytes to the JPEG decoder with the integer inner loops and with every SIMD
// level the processor has, row by row, as one-pass BGR rows and read in two parts at once,
// and traps when their rows or results differ; then runs the JPEG probe and reader over the
// same bytes. Pictures above a megapixel stop after the headers so that each input stays
// fast.
#include "FormatFuzzer.h"
#include "image/jpeg/FormatJPEG.h"
#include "image/jpeg/JpegDecoder.h"
#include "image/jpeg/JpegParallelRows.h"
#include "image/jpeg/JpegSimd.h"
#include "image/jpeg/MemoryJpegSource.h"
#include "io/MemoryStream.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {
constexpr int kMaxPixels = 1 << 20;

struct Decoded {
    int begun = 0, last = 0, errorCode = 0;
    std::vector<uint8_t> rows, bgrRows;
    bool operator!=(const Decoded& other) const {
        return begun != other.begun || last != other.last || errorCode != other.errorCode ||
               rows != other.rows || bgrRows != other.bgrRows;
    }
};

// False for pictures too large to decode here.
bool decode(const uint8_t* data, size_t size, bool useSimd, Decoded& out) {
    MemoryJpegSource source(data, static_cast<uint32_t>(size));
    JpegDecoder decoder(&source, useSimd);
    if (decoder.width() * decoder.height() > kMaxPixels) return false;
    out.begun = decoder.begin();
    if (out.begun == 0) {
        const uint8_t* row = nullptr;
        int rowBytes = 0;
        while ((out.last = decoder.decodeLine(row, rowBytes)) == 0)
            out.rows.insert(out.rows.end(), row, row + rowBytes);
    }
    out.errorCode = decoder.errorCode();

    // The one-pass BGR rows the reader takes, which must hold the same rows.
    MemoryJpegSource bgrSource(data, static_cast<uint32_t>(size));
    JpegDecoder bgrDecoder(&bgrSource, useSimd);
    if (bgrDecoder.begin() == 0) {
        std::vector<uint8_t> row(size_t(bgrDecoder.width()) * 3);
        while (bgrDecoder.decodeLineBgr(row.data()) == 0)
            out.bgrRows.insert(out.bgrRows.end(), row.begin(), row.end());
    }
    if (bgrDecoder.errorCode() != out.errorCode) __builtin_trap();

    // The reader's read in two parts at once, which must hold the same rows and zeros after.
    MemoryJpegSource splitSource(data, static_cast<uint32_t>(size));
    JpegDecoder splitDecoder(&splitSource, useSimd);
    if (splitDecoder.begin() == 0) {
        const size_t rowBytes = size_t(splitDecoder.width()) * 3;
        std::vector<uint8_t> image(rowBytes * splitDecoder.height(), 0);
        const JpegRowsRead read = readJpegRowsBgr(splitDecoder, data, uint32_t(size), image.data(),
                                                  ptrdiff_t(rowBytes), true);
        std::vector<uint8_t> expected = out.bgrRows;
        expected.resize(image.size(), 0);
        if (read.errorCode != out.errorCode || size_t(read.rows) * rowBytes != out.bgrRows.size() ||
            image != expected)
            __builtin_trap();
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Decoded integer;
    if (!decode(data, size, false, integer)) return 0;
    const JpegSimdLevel supported = jpegSupportedSimdLevel();
    for (JpegSimdLevel level : {JpegSimdLevel::Sse2, JpegSimdLevel::Avx2}) {
        if (int(level) > int(supported)) continue;
        jpegForceSimdLevel(level);
        Decoded simd;
        decode(data, size, true, simd);
        if (simd != integer) __builtin_trap();
    }
    jpegForceSimdLevel(supported);

    MemoryStream stream(data, static_cast<uint32_t>(size));
    cFormatJPEG::probe(&stream);
    cFormatJPEG image;
    image.load(&stream);
    return 0;
}

VORNEX_SEED_OUTCOME(cFormatJPEG)
