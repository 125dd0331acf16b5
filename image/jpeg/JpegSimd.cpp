#include "image/jpeg/JpegSimd.h"

#include "image/jpeg/JpegColour.h"
#include "image/jpeg/JpegIdct.h"

void jpegStoreBgrScalar(const uint8_t* rgbx, uint8_t* bgr, int width) {
    for (int x = 0; x < width; ++x, rgbx += 4, bgr += 3) {
        bgr[0] = rgbx[2];
        bgr[1] = rgbx[1];
        bgr[2] = rgbx[0];
    }
}

#if defined(__x86_64__)
#include <immintrin.h>

#include <cstring>

// Every version repeats the integer code's arithmetic lane by lane: 32-bit wrapping sums,
// arithmetic shifts, the same saturation and clamping. That is what makes them give the
// same bytes; the integer code's shortcuts for zero AC terms are exact, so the vector code
// does without them.
namespace {
inline int32_t load4(const uint8_t* bytes) {
    int32_t value;
    std::memcpy(&value, bytes, 4);
    return value;
}

// SSE2 has no 32-bit multiply; two 32 x 32 -> 64-bit products give the low halves.
inline __m128i mul(__m128i a, uint32_t factor) {
    const __m128i b = _mm_set1_epi32(int32_t(factor));
    const __m128i even = _mm_mul_epu32(a, b);
    const __m128i odd = _mm_mul_epu32(_mm_srli_epi64(a, 32), b);
    return _mm_unpacklo_epi32(_mm_shuffle_epi32(even, _MM_SHUFFLE(0, 0, 2, 0)),
                              _mm_shuffle_epi32(odd, _MM_SHUFFLE(0, 0, 2, 0)));
}

// The helpers below pass 256-bit vectors by value; they are inlined into AVX2 code only, so
// the ABI note of GCC about such values in non-AVX code does not apply.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wpsabi"
#endif

__attribute__((target("avx2"))) inline __m256i mul(__m256i a, uint32_t factor) {
    return _mm256_mullo_epi32(a, _mm256_set1_epi32(int32_t(factor)));
}

// ---- Inverse transform ----
// Both passes start from 16-bit values, and every output of the transform is a fixed
// integer combination of its eight inputs, so it can be summed from pairwise 16 x 16-bit
// multiply-adds: another order of the same exact products, the same 32-bit result.

inline uint32_t factorPair(int first, int second) {
    return uint32_t(uint16_t(first)) | uint32_t(uint16_t(second)) << 16;
}

// Lane sets of the transform: the low or high four of eight transforms with SSE2, all
// eight with AVX2.
template <bool kHigh> struct Sse2Lanes {
    using V = __m128i;
    static V pairs(__m128i first, __m128i second) {
        return kHigh ? _mm_unpackhi_epi16(first, second) : _mm_unpacklo_epi16(first, second);
    }
    static V madd(V a, int first, int second) {
        return _mm_madd_epi16(a, _mm_set1_epi32(int32_t(factorPair(first, second))));
    }
    static V add(V a, V b) { return _mm_add_epi32(a, b); }
    static V sub(V a, V b) { return _mm_sub_epi32(a, b); }
};

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

// The transform on lane set L: x[j] is input j of the transforms, one per lane; out[i] gets
// their outputs in 32 bits. A macro rather than a template, because it must be expanded in a
// function that has L's instruction set: 256-bit values cannot pass through code compiled
// without AVX.
#define VORNEX_JPEG_TRANSFORM(L, x, out)                                                           \
    do {                                                                                           \
        using V = typename L::V;                                                                   \
        const V p04 = L::pairs(x[0], x[4]), p26 = L::pairs(x[2], x[6]);                            \
        const V p17 = L::pairs(x[1], x[7]), p35 = L::pairs(x[3], x[5]);                            \
        const V even0 = L::madd(p04, 8192, 8192), even1 = L::madd(p04, 8192, -8192);               \
        const V even2 = L::madd(p26, 4433, -10704), even3 = L::madd(p26, 10703, 4433);             \
        const V tmp10 = L::add(even0, even3), tmp13 = L::sub(even0, even3);                        \
        const V tmp11 = L::add(even1, even2), tmp12 = L::sub(even1, even2);                        \
        const V odd0 = L::add(L::madd(p17, 2260, -11363), L::madd(p35, -6436, 9633));              \
        const V odd1 = L::add(L::madd(p17, 6437, 9633), L::madd(p35, -11362, 2261));               \
        const V odd2 = L::add(L::madd(p17, 9633, -6436), L::madd(p35, -2259, -11362));             \
        const V odd3 = L::add(L::madd(p17, 11363, 2260), L::madd(p35, 9633, 6437));                \
        out[0] = L::add(tmp10, odd3);                                                              \
        out[7] = L::sub(tmp10, odd3);                                                              \
        out[1] = L::add(tmp11, odd2);                                                              \
        out[6] = L::sub(tmp11, odd2);                                                              \
        out[2] = L::add(tmp12, odd1);                                                              \
        out[5] = L::sub(tmp12, odd1);                                                              \
        out[3] = L::add(tmp13, odd0);                                                              \
        out[4] = L::sub(tmp13, odd0);                                                              \
    } while (false)

template <bool kHigh> inline void transformHalf(const __m128i* x, __m128i* out) {
    VORNEX_JPEG_TRANSFORM(Sse2Lanes<kHigh>, x, out);
}

__attribute__((target("avx2"))) inline void transformAvx2(const __m128i* x, __m256i* out) {
    VORNEX_JPEG_TRANSFORM(Avx2Lanes, x, out);
}

// 8 x 8 transpose of 16-bit values: rows become columns.
inline void transpose(__m128i* x) {
    __m128i a[8], b[8];
    for (int i = 0; i < 8; i += 2) {
        a[i] = _mm_unpacklo_epi16(x[i], x[i + 1]);
        a[i + 1] = _mm_unpackhi_epi16(x[i], x[i + 1]);
    }
    for (int i = 0; i < 8; i += 4) {
        b[i] = _mm_unpacklo_epi32(a[i], a[i + 2]);
        b[i + 1] = _mm_unpackhi_epi32(a[i], a[i + 2]);
        b[i + 2] = _mm_unpacklo_epi32(a[i + 1], a[i + 3]);
        b[i + 3] = _mm_unpackhi_epi32(a[i + 1], a[i + 3]);
    }
    for (int i = 0; i < 4; ++i) {
        x[2 * i] = _mm_unpacklo_epi64(b[i], b[i + 4]);
        x[2 * i + 1] = _mm_unpackhi_epi64(b[i], b[i + 4]);
    }
}

inline void loadRows(const int16_t* coefficients, __m128i* x) {
    for (int r = 0; r < 8; ++r)
        x[r] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(coefficients + 8 * r));
}

// Row results: rounded, shifted by 11 and saturated to 16 bits.
inline __m128i rowWords(__m128i low, __m128i high) {
    const __m128i rounding = _mm_set1_epi32(1024);
    return _mm_packs_epi32(_mm_srai_epi32(_mm_add_epi32(low, rounding), 11),
                           _mm_srai_epi32(_mm_add_epi32(high, rounding), 11));
}

// Column results: rounded, shifted by 18, moved up by 128 and clamped to 0..255.
inline void storeSamples(__m128i low, __m128i high, uint8_t* out) {
    const __m128i rounding = _mm_set1_epi32(131072), centre = _mm_set1_epi32(128);
    low = _mm_add_epi32(_mm_srai_epi32(_mm_add_epi32(low, rounding), 18), centre);
    high = _mm_add_epi32(_mm_srai_epi32(_mm_add_epi32(high, rounding), 18), centre);
    const __m128i words = _mm_packs_epi32(low, high);
    _mm_storel_epi64(reinterpret_cast<__m128i*>(out), _mm_packus_epi16(words, words));
}

void idctSse2(const int16_t* coefficients, uint8_t* out, int stride) {
    __m128i x[8], low[8], high[8];
    loadRows(coefficients, x);
    transpose(x);
    transformHalf<false>(x, low);
    transformHalf<true>(x, high);
    for (int i = 0; i < 8; ++i) x[i] = rowWords(low[i], high[i]);
    transpose(x);
    transformHalf<false>(x, low);
    transformHalf<true>(x, high);
    for (int r = 0; r < 8; ++r) storeSamples(low[r], high[r], out + r * stride);
}

__attribute__((target("avx2"))) void idctAvx2(const int16_t* coefficients, uint8_t* out,
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

void convertRowSse2(const uint8_t* y, const uint8_t* cb, const uint8_t* cr, uint8_t* out, int width,
                    int chromaShift) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i centre = _mm_set1_epi32(128), half = _mm_set1_epi32(32768);
    for (int x = 0; x < width; x += 4, out += 16) {
        const __m128i luma =
            _mm_unpacklo_epi16(_mm_unpacklo_epi8(_mm_cvtsi32_si128(load4(y + x)), zero), zero);
        __m128i blue, red;
        if (chromaShift) {
            const int c = x >> 1;
            // Two chroma samples, each twice.
            const __m128i b = _mm_cvtsi32_si128(cb[c] | cb[c + 1] << 8);
            const __m128i r = _mm_cvtsi32_si128(cr[c] | cr[c + 1] << 8);
            blue = _mm_unpacklo_epi16(_mm_unpacklo_epi8(_mm_unpacklo_epi8(b, b), zero), zero);
            red = _mm_unpacklo_epi16(_mm_unpacklo_epi8(_mm_unpacklo_epi8(r, r), zero), zero);
        } else {
            blue =
                _mm_unpacklo_epi16(_mm_unpacklo_epi8(_mm_cvtsi32_si128(load4(cb + x)), zero), zero);
            red =
                _mm_unpacklo_epi16(_mm_unpacklo_epi8(_mm_cvtsi32_si128(load4(cr + x)), zero), zero);
        }
        blue = _mm_sub_epi32(blue, centre);
        red = _mm_sub_epi32(red, centre);
        const __m128i r =
            _mm_add_epi32(luma, _mm_srai_epi32(_mm_add_epi32(mul(red, 91882), half), 16));
        const __m128i g = _mm_add_epi32(
            luma, _mm_srai_epi32(_mm_add_epi32(_mm_add_epi32(mul(blue, 0u - 22554u), half),
                                               mul(red, 0u - 46802u)),
                                 16));
        const __m128i b =
            _mm_add_epi32(luma, _mm_srai_epi32(_mm_add_epi32(mul(blue, 116130), half), 16));
        const __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(r, g), _mm_packs_epi32(b, zero));
        const __m128i redGreen = _mm_unpacklo_epi8(bytes, _mm_srli_si128(bytes, 4));
        const __m128i blueZero =
            _mm_unpacklo_epi8(_mm_srli_si128(bytes, 8), _mm_srli_si128(bytes, 12));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_unpacklo_epi16(redGreen, blueZero));
    }
}

__attribute__((target("avx2"))) void convertRowAvx2(const uint8_t* y, const uint8_t* cb,
                                                    const uint8_t* cr, uint8_t* out, int width,
                                                    int chromaShift) {
    const __m256i centre = _mm256_set1_epi32(128), half = _mm256_set1_epi32(32768);
    const __m256i lowest = _mm256_setzero_si256(), highest = _mm256_set1_epi32(255);
    const __m256i pairs = _mm256_setr_epi32(0, 0, 1, 1, 2, 2, 3, 3);
    for (int x = 0; x < width; x += 8, out += 32) {
        const __m256i luma =
            _mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(y + x)));
        __m256i blue, red;
        if (chromaShift) {
            const int c = x >> 1;
            blue = _mm256_permutevar8x32_epi32(
                _mm256_cvtepu8_epi32(_mm_cvtsi32_si128(load4(cb + c))), pairs);
            red = _mm256_permutevar8x32_epi32(
                _mm256_cvtepu8_epi32(_mm_cvtsi32_si128(load4(cr + c))), pairs);
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
        __m256i b = _mm256_add_epi32(
            luma, _mm256_srai_epi32(_mm256_add_epi32(mul(blue, 116130), half), 16));
        r = _mm256_min_epi32(_mm256_max_epi32(r, lowest), highest);
        g = _mm256_min_epi32(_mm256_max_epi32(g, lowest), highest);
        b = _mm256_min_epi32(_mm256_max_epi32(b, lowest), highest);
        const __m256i pixels =
            _mm256_or_si256(r, _mm256_or_si256(_mm256_slli_epi32(g, 8), _mm256_slli_epi32(b, 16)));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out), pixels);
    }
}

// Four pixels per step through a byte shuffle; 12 bytes stored, so nothing past the row.
__attribute__((target("avx2"))) void storeBgrAvx2(const uint8_t* rgbx, uint8_t* bgr, int width) {
    const __m128i order = _mm_setr_epi8(2, 1, 0, 6, 5, 4, 10, 9, 8, 14, 13, 12, -1, -1, -1, -1);
    int x = 0;
    for (; x + 4 <= width; x += 4, rgbx += 16, bgr += 12) {
        const __m128i pixels =
            _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(rgbx)), order);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(bgr), pixels);
        const int32_t last = _mm_cvtsi128_si32(_mm_srli_si128(pixels, 8));
        std::memcpy(bgr + 8, &last, 4);
    }
    jpegStoreBgrScalar(rgbx, bgr, width - x);
}

bool haveAvx2() {
    return __builtin_cpu_supports("avx2");
}
} // namespace

JpegIdctFunction jpegSimdIdct() {
    return haveAvx2() ? idctAvx2 : idctSse2;
}

JpegConvertRowFunction jpegSimdConvertRow() {
    return haveAvx2() ? convertRowAvx2 : convertRowSse2;
}

JpegStoreBgrFunction jpegStoreBgr() {
    return haveAvx2() ? storeBgrAvx2 : jpegStoreBgrScalar;
}

JpegIdctFunction jpegSse2Idct() {
    return idctSse2;
}

JpegConvertRowFunction jpegSse2ConvertRow() {
    return convertRowSse2;
}

#else

JpegStoreBgrFunction jpegStoreBgr() {
    return jpegStoreBgrScalar;
}

JpegIdctFunction jpegSimdIdct() {
    return jpegIdct;
}

JpegConvertRowFunction jpegSimdConvertRow() {
    return jpegConvertRow;
}

JpegIdctFunction jpegSse2Idct() {
    return jpegIdct;
}

JpegConvertRowFunction jpegSse2ConvertRow() {
    return jpegConvertRow;
}

#endif
