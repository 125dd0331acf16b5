#include "image/jpeg/JpegSimd.h"

#include "image/jpeg/JpegColour.h"
#include "image/jpeg/JpegIdct.h"
#include "image/jpeg/JpegSimdKernels.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
// -1: nothing forced.
std::atomic<int> forcedLevel{-1};

constexpr const char* kEnvironmentVariable = "VORNEX_JPEG_SIMD";

struct LevelName {
    const char* name;
    JpegSimdLevel level;
};
constexpr LevelName kLevelNames[] = {
    {"none", JpegSimdLevel::None}, {"sse2", JpegSimdLevel::Sse2}, {"avx2", JpegSimdLevel::Avx2}};

// The level the environment names, read once, or -1 when it names none. A name that is not
// a level is said once on standard output, and ignored.
int environmentLevel() {
    static const int level = [] {
        const char* value = std::getenv(kEnvironmentVariable);
        if (!value || !*value) return -1;
        JpegSimdLevel named;
        if (jpegSimdLevelNamed(value, named)) return int(named);
        std::printf("%s=%s ignored: the levels are avx2, sse2 and none\n", kEnvironmentVariable,
                    value);
        return -1;
    }();
    return level;
}

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
constexpr JpegKernels kIntegerKernels = {jpegIdct, jpegIdct, jpegConvertRow, jpegStoreBgr,
                                         convertRowBgrInPieces<jpegConvertRow, jpegStoreBgr>};
#if defined(__x86_64__)
// SSE2 has no byte shuffle; its BGR store is the integer one.
constexpr JpegKernels kSse2Kernels = {jpegIdctSse2, jpegIdctSparseSse2, jpegConvertRowSse2,
                                      jpegStoreBgr,
                                      convertRowBgrInPieces<jpegConvertRowSse2, jpegStoreBgr>};
constexpr JpegKernels kAvx2Kernels = {jpegIdctAvx2, jpegIdctSparseAvx2, jpegConvertRowAvx2,
                                      jpegStoreBgrAvx2, jpegConvertRowBgrAvx2};
#endif
} // namespace

JpegSimdLevel jpegSupportedSimdLevel() {
#if defined(__x86_64__)
    static const JpegSimdLevel level =
        __builtin_cpu_supports("avx2") ? JpegSimdLevel::Avx2 : JpegSimdLevel::Sse2;
    return level;
#else
    return JpegSimdLevel::None;
#endif
}

JpegSimdLevel jpegSimdLevel() {
    int forced = forcedLevel.load(std::memory_order_relaxed);
    if (forced < 0) forced = environmentLevel();
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
    case JpegSimdLevel::Avx2:
        return kAvx2Kernels;
    case JpegSimdLevel::Sse2:
        return kSse2Kernels;
#endif
    default:
        return kIntegerKernels;
    }
}

bool jpegSimdLevelNamed(const char* name, JpegSimdLevel& level) {
    for (const LevelName& entry : kLevelNames) {
        if (std::strcmp(name, entry.name) != 0) continue;
        level = entry.level;
        return true;
    }
    return false;
}
