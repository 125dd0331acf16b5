// Compiled with AVX2 as a whole (a per-file flag in the build), so every function here may
// use it: they run only where jpegSupportedSimdLevel() found AVX2. Helpers stay in this file
// with internal linkage, so no AVX2 copy of a shared inline function can replace the
// others at link time.
#include "image/jpeg/JpegSimdKernels.h"

#if defined(__x86_64__)
#include "image/jpeg/JpegColour.h"
#include "image/jpeg/JpegSimdCommon.h"

namespace {
inline __m256i mul(__m256i a, uint32_t factor) {
    return _mm256_mullo_epi32(a, _mm256_set1_epi32(int32_t(factor)));
}

// All eight transforms at once.
struct Avx2Lanes {
    using V = __m256i;
    static V pairs(__m128i first, __m128i second) {
        return _mm256_set_m128i(_mm_unpackhi_epi16(first, second),
                                _mm_unpacklo_epi16(first, second));
    }
    static V madd(V a, int first, int second) {
        return _mm256_madd_epi16(a, _mm256_set1_epi32(int32_t(factorPair(first, second))));
    }
    static V add(V a, V b) { return _mm256_add_epi32(a, b); }
    static V sub(V a, V b) { return _mm256_sub_epi32(a, b); }
};

// Row results (rounded, shifted by 11, saturated to 16 bits) paired for the column pass:
// row 0 with 4, 2 with 6, 1 with 7 and 3 with 5, as Avx2Lanes::pairs would pair them. Both
// 128-bit halves are worked alike, the low one on rows 0..3, the high one on rows 4..7.
inline void pairedRowResults(const __m256i* result, __m256i* pairs) {
    const __m256i rounding = _mm256_set1_epi32(1024);
    __m256i words[4];
    for (int i = 0; i < 4; ++i)
        words[i] = _mm256_packs_epi32(
            _mm256_srai_epi32(_mm256_add_epi32(result[2 * i], rounding), 11),
            _mm256_srai_epi32(_mm256_add_epi32(result[2 * i + 1], rounding), 11));
    const __m256i a = _mm256_unpacklo_epi16(words[0], words[1]);
    const __m256i b = _mm256_unpackhi_epi16(words[0], words[1]);
    const __m256i c = _mm256_unpacklo_epi16(words[2], words[3]);
    const __m256i d = _mm256_unpackhi_epi16(words[2], words[3]);
    const __m256i low01 = _mm256_unpacklo_epi16(a, b), low23 = _mm256_unpackhi_epi16(a, b);
    const __m256i high01 = _mm256_unpacklo_epi16(c, d), high23 = _mm256_unpackhi_epi16(c, d);
    // Row r in the low half, row r + 4 in the high half.
    const __m256i rows04 = _mm256_unpacklo_epi64(low01, high01);
    const __m256i rows15 = _mm256_unpackhi_epi64(low01, high01);
    const __m256i rows26 = _mm256_unpacklo_epi64(low23, high23);
    const __m256i rows37 = _mm256_unpackhi_epi64(low23, high23);
    const __m256i rows17 = _mm256_blend_epi32(rows15, rows37, 0xF0);
    const __m256i rows35 = _mm256_blend_epi32(rows37, rows15, 0xF0);
    // Interleaved: the words of the low halves' first 64 bits, then of their second 64 bits.
    const __m256i interleave =
        _mm256_setr_epi8(0, 1, 8, 9, 2, 3, 10, 11, 4, 5, 12, 13, 6, 7, 14, 15, 0, 1, 8, 9, 2, 3, 10,
                         11, 4, 5, 12, 13, 6, 7, 14, 15);
    const __m256i* rows[4] = {&rows04, &rows26, &rows17, &rows35};
    for (int i = 0; i < 4; ++i)
        pairs[i] = _mm256_shuffle_epi8(_mm256_permute4x64_epi64(*rows[i], _MM_SHUFFLE(3, 1, 2, 0)),
                                       interleave);
}

// Column results: rounded, shifted by 18, moved up by 128, clamped to 0..255 and stored,
// four rows per pack.
inline void storeSampleRows(const __m256i* result, uint8_t* out, int stride) {
    const __m256i rounding = _mm256_set1_epi32(131072), centre = _mm256_set1_epi32(128);
    const __m256i order = _mm256_setr_epi32(0, 4, 1, 5, 2, 6, 3, 7);
    __m256i levels[8];
    for (int r = 0; r < 8; ++r)
        levels[r] =
            _mm256_add_epi32(_mm256_srai_epi32(_mm256_add_epi32(result[r], rounding), 18), centre);
    for (int r = 0; r < 8; r += 4, out += 4 * stride) {
        const __m256i bytes = _mm256_packus_epi16(_mm256_packs_epi32(levels[r], levels[r + 1]),
                                                  _mm256_packs_epi32(levels[r + 2], levels[r + 3]));
        const __m256i rows = _mm256_permutevar8x32_epi32(bytes, order);
        const __m128i first = _mm256_castsi256_si128(rows);
        const __m128i second = _mm256_extracti128_si256(rows, 1);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out), first);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + stride),
                         _mm_unpackhi_epi64(first, first));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + 2 * stride), second);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + 3 * stride),
                         _mm_unpackhi_epi64(second, second));
    }
}
} // namespace

void jpegIdctAvx2(const int16_t* coefficients, uint8_t* out, int stride) {
    __m128i x[8];
    __m256i result[8], pairs[4];
    loadRows(coefficients, x);
    transpose(x);
    transform<Avx2Lanes>(x, result);
    pairedRowResults(result, pairs);
    transformPairs<Avx2Lanes>(pairs[0], pairs[1], pairs[2], pairs[3], result);
    storeSampleRows(result, out, stride);
}

void jpegIdctSparseAvx2(const int16_t* coefficients, uint8_t* out, int stride) {
    __m128i rows[4];
    __m256i result[8];
    sparseRowPass(coefficients, rows);
    transformFour<Avx2Lanes>(rows, result);
    storeSampleRows(result, out, stride);
}

// ---- Colour conversion: the table formulas computed directly, 4 or 8 pixels at a time ----
// The rows are padded (planes to whole blocks, the output to 16 pixels), so the last group
// may run past `width`.
namespace {
// Eight pixels from `x` on as R, G, B, 0 in 32-bit lanes.
inline __m256i convertEight(const uint8_t* y, const uint8_t* cb, const uint8_t* cr, int x,
                            int chromaShift) {
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

// The products of the colour formulas with 16-bit factors: each factor above 32767 is split
// into a multiple of 65536, which passes the shift by 16 unchanged, and a 16-bit rest.
//   red:   (91882 k + 32768) >> 16 = k + ((26346 k + 32768) >> 16)
//   blue:  (116130 k + 32768) >> 16 = 2 k + ((-14942 k + 32768) >> 16)
//   green: (-22554 b + 32768 - 46802 r) >> 16 = -r + ((-22554 b + 18734 r + 32768) >> 16)
// so sixteen pixels take two 16 x 16-bit multiply-adds per colour, with the same results.
inline __m256i shiftedSum(__m256i first, __m256i second, int firstFactor, int secondFactor,
                          int constant) {
    const __m256i factors = _mm256_set1_epi32(int32_t(factorPair(firstFactor, secondFactor)));
    const __m256i add = _mm256_set1_epi32(constant);
    const __m256i low =
        _mm256_add_epi32(_mm256_madd_epi16(_mm256_unpacklo_epi16(first, second), factors), add);
    const __m256i high =
        _mm256_add_epi32(_mm256_madd_epi16(_mm256_unpackhi_epi16(first, second), factors), add);
    // The unpacks and the pack both work within 128-bit halves, so the order comes back.
    return _mm256_packs_epi32(_mm256_srai_epi32(low, 16), _mm256_srai_epi32(high, 16));
}

// Sixteen pixels from `x` on as B, G, R into 48 bytes at `bgr`, with 16-byte stores that
// reach 4 bytes further.
inline void convertSixteenBgr(const uint8_t* y, const uint8_t* cb, const uint8_t* cr, int x,
                              int chromaShift, uint8_t* bgr) {
    const __m256i luma =
        _mm256_cvtepu8_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(y + x)));
    __m128i blueBytes, redBytes;
    if (chromaShift) {
        const int c = x >> 1;
        blueBytes = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(cb + c));
        redBytes = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(cr + c));
        blueBytes = _mm_unpacklo_epi8(blueBytes, blueBytes);
        redBytes = _mm_unpacklo_epi8(redBytes, redBytes);
    } else {
        blueBytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(cb + x));
        redBytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(cr + x));
    }
    const __m256i centre = _mm256_set1_epi16(128), two = _mm256_set1_epi16(2);
    const __m256i blue = _mm256_sub_epi16(_mm256_cvtepu8_epi16(blueBytes), centre);
    const __m256i red = _mm256_sub_epi16(_mm256_cvtepu8_epi16(redBytes), centre);
    const __m256i r =
        _mm256_add_epi16(_mm256_add_epi16(luma, red), shiftedSum(red, two, 26346, 16384, 0));
    const __m256i g =
        _mm256_add_epi16(_mm256_sub_epi16(luma, red), shiftedSum(blue, red, -22554, 18734, 32768));
    const __m256i b = _mm256_add_epi16(_mm256_add_epi16(luma, _mm256_add_epi16(blue, blue)),
                                       shiftedSum(blue, two, -14942, 16384, 0));
    // Per 128-bit half (pixels 0..7, then 8..15): saturated bytes, then B, G, R, 0 pixels.
    const __m256i zero = _mm256_setzero_si256();
    const __m256i redGreen = _mm256_packus_epi16(r, g);
    const __m256i blueZero = _mm256_packus_epi16(b, zero);
    const __m256i blueGreen = _mm256_unpacklo_epi8(blueZero, _mm256_srli_si256(redGreen, 8));
    const __m256i redZero = _mm256_unpacklo_epi8(redGreen, zero);
    const __m256i order = _mm256_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1,
                                           0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
    const __m256i first = _mm256_shuffle_epi8(_mm256_unpacklo_epi16(blueGreen, redZero), order);
    const __m256i second = _mm256_shuffle_epi8(_mm256_unpackhi_epi16(blueGreen, redZero), order);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(bgr), _mm256_castsi256_si128(first));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(bgr + 12), _mm256_castsi256_si128(second));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(bgr + 24), _mm256_extracti128_si256(first, 1));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(bgr + 36), _mm256_extracti128_si256(second, 1));
}
} // namespace

void jpegConvertRowAvx2(const uint8_t* y, const uint8_t* cb, const uint8_t* cr, uint8_t* out,
                        int width, int chromaShift) {
    for (int x = 0; x < width; x += 8, out += 32)
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out),
                            convertEight(y, cb, cr, x, chromaShift));
}

// Sixteen pixels at a time in 16-bit lanes, then eight in 32-bit lanes; each four pixels
// are shuffled to 12 bytes of B, G, R and stored 16 bytes wide, the next store overwriting
// the spare bytes. The last pixels, where a wide store would pass the row's end, go through
// a small buffer.
void jpegConvertRowBgrAvx2(const uint8_t* y, const uint8_t* cb, const uint8_t* cr, uint8_t* bgr,
                           int width, int chromaShift) {
    const __m256i order = _mm256_setr_epi8(2, 1, 0, 6, 5, 4, 10, 9, 8, 14, 13, 12, -1, -1, -1, -1,
                                           2, 1, 0, 6, 5, 4, 10, 9, 8, 14, 13, 12, -1, -1, -1, -1);
    int x = 0;
    for (; x + 18 <= width; x += 16, bgr += 48) convertSixteenBgr(y, cb, cr, x, chromaShift, bgr);
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
void jpegStoreBgrAvx2(const uint8_t* rgbx, uint8_t* bgr, int width) {
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
