// Fixed values of JPEG coding (ITU-T T.81) that the decoder's stages share: the zig-zag
// order, the marker codes, and the block helpers of the entropy decoders.
#pragma once

#include <cstdint>
#include <cstring>

#if defined(__x86_64__)
#include <emmintrin.h>
#endif

namespace jpeg {
// Natural (row-major) position of each zig-zag index.
inline constexpr uint8_t kZigzag[64] = {
    0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33, 40, 48,
    41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23,
    30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};

// kZigzag with room for a run that ends past coefficient 63: such a run (which fails the
// block right after) writes to position 0 instead of outside the block.
inline constexpr int kRunSlack = 16;
inline constexpr uint8_t kBlockPosition[64 + kRunSlack] = {
    0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33,
    40, 48, 41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36,
    29, 22, 15, 23, 30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54,
    47, 55, 62, 63, 0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0};

inline constexpr int kMarkerSof0 = 0xC0, kMarkerSof1 = 0xC1, kMarkerSof2 = 0xC2;
inline constexpr int kMarkerSof9 = 0xC9, kMarkerSof10 = 0xCA; // arithmetic sequential, progressive
inline constexpr int kMarkerDht = 0xC4, kMarkerJpg = 0xC8, kMarkerDac = 0xCC;
inline constexpr int kMarkerRst0 = 0xD0, kMarkerRst7 = 0xD7;
inline constexpr int kMarkerSoi = 0xD8, kMarkerEoi = 0xD9, kMarkerSos = 0xDA, kMarkerDqt = 0xDB;
inline constexpr int kMarkerDri = 0xDD, kMarkerApp14 = 0xEE, kMarkerTem = 0x01;
inline constexpr int kLargestCategory = 15;
// Zig-zag positions 0..9 lie in the top-left 4 x 4 of a block.
inline constexpr int kSparseEnd = 10;
// Eight inline stores rather than a library call per block.
inline void clearBlock(int16_t* block) {
#if defined(__x86_64__)
    const __m128i zero = _mm_setzero_si128();
    for (int i = 0; i < 64; i += 8) _mm_storeu_si128(reinterpret_cast<__m128i*>(block + i), zero);
#else
    std::memset(block, 0, 64 * sizeof(int16_t));
#endif
}

// Garbage may overflow 16 bits anywhere (values, predictors, dequantised coefficients);
// such values wrap.
inline int16_t wrap16(int32_t value) {
    return static_cast<int16_t>(value);
}
} // namespace jpeg
