// Feeds arbitrary bytes to the JPEG decoder twice, with and without the SIMD inner loops,
// and traps when the rows differ; then runs the JPEG probe and reader over the same bytes.
// Pictures above a megapixel stop after the headers so that each input stays fast.
#include "image/jpeg/FormatJPEG.h"
#include "image/jpeg/JpegDecoder.h"
#include "image/jpeg/MemoryJpegSource.h"
#include "io/MemoryStream.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {
constexpr int kMaxPixels = 1 << 20;

bool small(const JpegDecoder& decoder) {
    return decoder.width() * decoder.height() <= kMaxPixels;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    MemoryJpegSource simdSource(data, static_cast<uint32_t>(size));
    MemoryJpegSource scalarSource(data, static_cast<uint32_t>(size));
    JpegDecoder simd(&simdSource, true);
    JpegDecoder scalar(&scalarSource, false);
    if (!small(simd)) return 0;
    const int begun = simd.begin();
    if (scalar.begin() != begun) __builtin_trap();
    if (begun == 0) {
        std::vector<uint8_t> simdRow;
        for (;;) {
            const uint8_t* row = nullptr;
            int rowBytes = 0;
            const int result = simd.decodeLine(row, rowBytes);
            if (result == 0) simdRow.assign(row, row + rowBytes);
            if (scalar.decodeLine(row, rowBytes) != result) __builtin_trap();
            if (result != 0) break;
            if (size_t(rowBytes) != simdRow.size() ||
                std::memcmp(row, simdRow.data(), simdRow.size()) != 0)
                __builtin_trap();
        }
    }
    if (simd.errorCode() != scalar.errorCode()) __builtin_trap();

    MemoryStream stream(data, static_cast<uint32_t>(size));
    cFormatJPEG::probe(&stream);
    cFormatJPEG image;
    image.load(&stream);
    return 0;
}
