#include "image/jpeg/JpegSimd.h"

#include "image/jpeg/JpegColour.h"
#include "image/jpeg/JpegIdct.h"
#include "image/jpeg/JpegSimdKernels.h"

#include <atomic>

namespace {
// -1: nothing forced.
std::atomic<int> forcedLevel{-1};

constexpr JpegKernels kInteger = {jpegIdct, jpegConvertRow, jpegStoreBgr};
#if defined(__x86_64__)
// SSE2 has no byte shuffle; its BGR store is the integer one.
constexpr JpegKernels kSse2 = {jpegIdctSse2, jpegConvertRowSse2, jpegStoreBgr};
constexpr JpegKernels kAvx2 = {jpegIdctAvx2, jpegConvertRowAvx2, jpegStoreBgrAvx2};
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
