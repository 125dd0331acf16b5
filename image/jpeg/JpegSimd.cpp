#include "image/jpeg/JpegSimd.h"

#include "image/jpeg/JpegColour.h"
#include "image/jpeg/JpegIdct.h"
#include "image/jpeg/JpegSimdKernels.h"

#include <atomic>

namespace {
// -1: nothing forced.
std::atomic<int> forcedLevel{-1};

// Converts a row in pieces through a small buffer with the level's own two kernels.
template <JpegConvertRowFunction kConvert, JpegStoreBgrFunction kStore>
void convertRowBgrInPieces(const uint8_t* y, const uint8_t* cb, const uint8_t* cr, uint8_t* bgr,
                           int width, int chromaShift) {
    constexpr int kPiece = 64; // even, so a piece starts on a chroma sample
    uint8_t rgbx[(kPiece + 16) * 4];
    for (int x = 0; x < width; x += kPiece) {
        const int count = width - x < kPiece ? width - x : kPiece;
        const int chroma = x >> chromaShift;
        kConvert(y + x, cb + chroma, cr + chroma, rgbx, count, chromaShift);
        kStore(rgbx, bgr + 3 * x, count);
    }
}

// The integer transform skips zero rows and columns itself.
constexpr JpegKernels kInteger = {jpegIdct, jpegIdct, jpegConvertRow, jpegStoreBgr,
                                  convertRowBgrInPieces<jpegConvertRow, jpegStoreBgr>};
#if defined(__x86_64__)
// SSE2 has no byte shuffle; its BGR store is the integer one.
constexpr JpegKernels kSse2 = {jpegIdctSse2, jpegIdctSparseSse2, jpegConvertRowSse2, jpegStoreBgr,
                               convertRowBgrInPieces<jpegConvertRowSse2, jpegStoreBgr>};
constexpr JpegKernels kAvx2 = {jpegIdctAvx2, jpegIdctSparseAvx2, jpegConvertRowAvx2,
                               jpegStoreBgrAvx2, jpegConvertRowBgrAvx2};
#endif
} // namespace

JpegSimdLevel jpegSupportedSimdLevel() {
#if defined(__x86_64__)
    static const JpegSimdLevel level =
        __builtin_cpu_supports("avx2") ? JpegSimdLevel::kAvx2 : JpegSimdLevel::kSse2;
    return level;
#else
    return JpegSimdLevel::kInteger;
#endif
}

JpegSimdLevel jpegSimdLevel() {
    const int forced = forcedLevel.load(std::memory_order_relaxed);
    const JpegSimdLevel supported = jpegSupportedSimdLevel();
    if (forced < 0 || forced > int(supported)) return supported;
    return JpegSimdLevel(forced);
}

void jpegForceSimdLevel(JpegSimdLevel level) {
    forcedLevel.store(int(level), std::memory_order_relaxed);
}

const JpegKernels& jpegKernels(JpegSimdLevel level) {
    if (int(level) > int(jpegSupportedSimdLevel())) level = jpegSupportedSimdLevel();
    switch (level) {
#if defined(__x86_64__)
    case JpegSimdLevel::kAvx2:
        return kAvx2;
    case JpegSimdLevel::kSse2:
        return kSse2;
#endif
    default:
        return kInteger;
    }
}
