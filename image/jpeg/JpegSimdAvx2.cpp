#include "image/jpeg/JpegSimdKernels.h"

#if defined(__x86_64__)
#include "image/jpeg/JpegColour.h"
#include "image/jpeg/JpegSimdCommon.h"

// The helpers below pass 256-bit vectors by value; they are inlined into AVX2 code only, so
// the ABI note of GCC about such values in non-AVX code does not apply.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wpsabi"
#endif

namespace {
__attribute__((target("avx2"))) inline __m256i mul(__m256i a, uint32_t factor) {
    return _mm256_mullo_epi32(a, _mm256_set1_epi32(int32_t(factor)));
}

// All eight transforms at once.
struct Avx2Lanes {
    using V = __m256i;
    __attribute__((target("avx2"))) static V pairs(__m128i first, __m128i second) {
        return _mm256_set_m128i(_mm_unpackhi_epi16(first, second),
                                _mm_unpacklo_epi16(first, second));
    }
    __attribute__((target("avx2"))) static V madd(V a, int first, int second) {
        return _mm256_madd_epi16(a, _mm256_set1_epi32(int32_t(factorPair(first, second))));
    }
    __attribute__((target("avx2"))) static V add(V a, V b) { return _mm256_add_epi32(a, b); }
    __attribute__((target("avx2"))) static V sub(V a, V b) { return _mm256_sub_epi32(a, b); }
};

__attribute__((target("avx2"))) inline void transformAvx2(const __m128i* x, __m256i* out) {
    VORNEX_JPEG_TRANSFORM(Avx2Lanes, x, out);
}
} // namespace

__attribute__((target("avx2"))) void jpegIdctAvx2(const int16_t* coefficients, uint8_t* out,
                                                  int stride) {
    __m128i x[8];
    __m256i result[8];
    loadRows(coefficients, x);
    transpose(x);
    transformAvx2(x, result);
    for (int i = 0; i < 8; ++i)
        x[i] = rowWords(_mm256_castsi256_si128(result[i]), _mm256_extracti128_si256(result[i], 1));
    transpose(x);
    transformAvx2(x, result);
    for (int r = 0; r < 8; ++r)
        storeSamples(_mm256_castsi256_si128(result[r]), _mm256_extracti128_si256(result[r], 1),
                     out + r * stride);
}

// ---- Colour conversion: the table formulas computed directly, 4 or 8 pixels at a time ----
// The rows are padded (planes to whole blocks, the output to 16 pixels), so the last group
// may run past `width`.
namespace {
// Eight pixels from `x` on as R, G, B, 0 in 32-bit lanes.
__attribute__((target("avx2"))) inline __m256i
convertEight(const uint8_t* y, const uint8_t* cb, const uint8_t* cr, int x, int chromaShift) {
    const __m256i centre = _mm256_set1_epi32(128), half = _mm256_set1_epi32(32768);
    const __m256i lowest = _mm256_setzero_si256(), highest = _mm256_set1_epi32(255);
    const __m256i luma =
        _mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(y + x)));
    __m256i blue, red;
    if (chromaShift) {
        const __m256i pairs = _mm256_setr_epi32(0, 0, 1, 1, 2, 2, 3, 3);
        const int c = x >> 1;
        blue = _mm256_permutevar8x32_epi32(_mm256_cvtepu8_epi32(_mm_cvtsi32_si128(load4(cb + c))),
                                           pairs);
        red = _mm256_permutevar8x32_epi32(_mm256_cvtepu8_epi32(_mm_cvtsi32_si128(load4(cr + c))),
                                          pairs);
    } else {
        blue = _mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(cb + x)));
        red = _mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(cr + x)));
    }
    blue = _mm256_sub_epi32(blue, centre);
    red = _mm256_sub_epi32(red, centre);
    __m256i r =
        _mm256_add_epi32(luma, _mm256_srai_epi32(_mm256_add_epi32(mul(red, 91882), half), 16));
    __m256i g = _mm256_add_epi32(
        luma, _mm256_srai_epi32(_mm256_add_epi32(_mm256_add_epi32(mul(blue, 0u - 22554u), half),
                                                 mul(red, 0u - 46802u)),
                                16));
    __m256i b =
        _mm256_add_epi32(luma, _mm256_srai_epi32(_mm256_add_epi32(mul(blue, 116130), half), 16));
    r = _mm256_min_epi32(_mm256_max_epi32(r, lowest), highest);
    g = _mm256_min_epi32(_mm256_max_epi32(g, lowest), highest);
    b = _mm256_min_epi32(_mm256_max_epi32(b, lowest), highest);
    return _mm256_or_si256(r, _mm256_or_si256(_mm256_slli_epi32(g, 8), _mm256_slli_epi32(b, 16)));
}
} // namespace

__attribute__((target("avx2"))) void jpegConvertRowAvx2(const uint8_t* y, const uint8_t* cb,
                                                        const uint8_t* cr, uint8_t* out, int width,
                                                        int chromaShift) {
    for (int x = 0; x < width; x += 8, out += 32)
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out),
                            convertEight(y, cb, cr, x, chromaShift));
}

// Each half of the eight pixels is shuffled to 12 bytes of B, G, R and stored 16 bytes wide,
// the second store overwriting the first one's spare bytes; the last pixels, where a wide
// store would pass the row's end, go through a small buffer.
__attribute__((target("avx2"))) void jpegConvertRowBgrAvx2(const uint8_t* y, const uint8_t* cb,
                                                           const uint8_t* cr, uint8_t* bgr,
                                                           int width, int chromaShift) {
    const __m256i order = _mm256_setr_epi8(2, 1, 0, 6, 5, 4, 10, 9, 8, 14, 13, 12, -1, -1, -1, -1,
                                           2, 1, 0, 6, 5, 4, 10, 9, 8, 14, 13, 12, -1, -1, -1, -1);
    int x = 0;
    for (; x + 10 <= width; x += 8, bgr += 24) {
        const __m256i pixels = _mm256_shuffle_epi8(convertEight(y, cb, cr, x, chromaShift), order);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(bgr), _mm256_castsi256_si128(pixels));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(bgr + 12), _mm256_extracti128_si256(pixels, 1));
    }
    alignas(32) uint8_t rgbx[32];
    for (; x < width; x += 8, bgr += 24) {
        _mm256_store_si256(reinterpret_cast<__m256i*>(rgbx),
                           convertEight(y, cb, cr, x, chromaShift));
        jpegStoreBgr(rgbx, bgr, width - x < 8 ? width - x : 8);
    }
}

// Four pixels per step through a byte shuffle; 12 bytes stored, so nothing past the row.
__attribute__((target("avx2"))) void jpegStoreBgrAvx2(const uint8_t* rgbx, uint8_t* bgr,
                                                      int width) {
    const __m128i order = _mm_setr_epi8(2, 1, 0, 6, 5, 4, 10, 9, 8, 14, 13, 12, -1, -1, -1, -1);
    int x = 0;
    for (; x + 4 <= width; x += 4, rgbx += 16, bgr += 12) {
        const __m128i pixels =
            _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(rgbx)), order);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(bgr), pixels);
        const int32_t last = _mm_cvtsi128_si32(_mm_srli_si128(pixels, 8));
        std::memcpy(bgr + 8, &last, 4);
    }
    jpegStoreBgr(rgbx, bgr, width - x);
}

#endif
