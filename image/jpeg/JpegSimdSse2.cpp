#include "image/jpeg/JpegSimdKernels.h"

#if defined(__x86_64__)
#include "image/jpeg/JpegSimdCommon.h"

namespace {
// SSE2 has no 32-bit multiply; two 32 x 32 -> 64-bit products give the low halves.
inline __m128i mul(__m128i a, uint32_t factor) {
    const __m128i b = _mm_set1_epi32(int32_t(factor));
    const __m128i even = _mm_mul_epu32(a, b);
    const __m128i odd = _mm_mul_epu32(_mm_srli_epi64(a, 32), b);
    return _mm_unpacklo_epi32(_mm_shuffle_epi32(even, _MM_SHUFFLE(0, 0, 2, 0)),
                              _mm_shuffle_epi32(odd, _MM_SHUFFLE(0, 0, 2, 0)));
}

// The low or high four of eight transforms.
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

} // namespace

void jpegIdctSse2(const int16_t* coefficients, uint8_t* out, int stride) {
    __m128i x[8], low[8], high[8];
    loadRows(coefficients, x);
    transpose(x);
    transform<Sse2Lanes<false>>(x, low);
    transform<Sse2Lanes<true>>(x, high);
    for (int i = 0; i < 8; ++i) x[i] = rowWords(low[i], high[i]);
    transpose(x);
    transform<Sse2Lanes<false>>(x, low);
    transform<Sse2Lanes<true>>(x, high);
    for (int r = 0; r < 8; ++r) storeSamples(low[r], high[r], out + r * stride);
}

void jpegIdctSparseSse2(const int16_t* coefficients, uint8_t* out, int stride) {
    __m128i rows[4], low[8], high[8];
    sparseRowPass(coefficients, rows);
    transformFour<Sse2Lanes<false>>(rows, low);
    transformFour<Sse2Lanes<true>>(rows, high);
    for (int r = 0; r < 8; ++r) storeSamples(low[r], high[r], out + r * stride);
}

// ---- Colour conversion: the table formulas computed directly, 4 or 8 pixels at a time ----
// The rows are padded (planes to whole blocks, the output to 16 pixels), so the last group
// may run past `width`.

void jpegConvertRowSse2(const uint8_t* y, const uint8_t* cb, const uint8_t* cr, uint8_t* out,
                        int width, int chromaShift) {
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

#endif
