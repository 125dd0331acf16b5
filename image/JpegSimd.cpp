#include "image/JpegSimd.h"

#include "image/JpegColour.h"
#include "image/JpegIdct.h"

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

// Both versions repeat the integer code's arithmetic lane by lane: 32-bit wrapping
// products and sums, arithmetic shifts, the same saturation and clamping. That is what makes
// them give the same bytes; the shortcuts of the integer code for zero AC terms are exact,
// so the vector code can do without them.
namespace {
constexpr int kFractionBits = 13;

inline int32_t load4(const uint8_t* bytes) {
    int32_t value;
    std::memcpy(&value, bytes, 4);
    return value;
}

// ---- SSE2: four lanes, no 32-bit multiply or min/max of its own ----

inline __m128i mul(__m128i a, uint32_t factor) {
    const __m128i b = _mm_set1_epi32(int32_t(factor));
    const __m128i even = _mm_mul_epu32(a, b);
    const __m128i odd = _mm_mul_epu32(_mm_srli_epi64(a, 32), b);
    return _mm_unpacklo_epi32(_mm_shuffle_epi32(even, _MM_SHUFFLE(0, 0, 2, 0)),
                              _mm_shuffle_epi32(odd, _MM_SHUFFLE(0, 0, 2, 0)));
}
inline __m128i add(__m128i a, __m128i b) {
    return _mm_add_epi32(a, b);
}
inline __m128i sub(__m128i a, __m128i b) {
    return _mm_sub_epi32(a, b);
}
inline __m128i shiftUp(__m128i a) {
    return _mm_slli_epi32(a, kFractionBits);
}

// ---- AVX2: eight lanes ----

// The helpers below pass 256-bit vectors by value; they are inlined into AVX2 code only, so
// the ABI note of GCC about such values in non-AVX code does not apply.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wpsabi"
#endif

__attribute__((target("avx2"))) inline __m256i mul(__m256i a, uint32_t factor) {
    return _mm256_mullo_epi32(a, _mm256_set1_epi32(int32_t(factor)));
}
__attribute__((target("avx2"))) inline __m256i add(__m256i a, __m256i b) {
    return _mm256_add_epi32(a, b);
}
__attribute__((target("avx2"))) inline __m256i sub(__m256i a, __m256i b) {
    return _mm256_sub_epi32(a, b);
}
__attribute__((target("avx2"))) inline __m256i shiftUp(__m256i a) {
    return _mm256_slli_epi32(a, kFractionBits);
}

// The 8-point transform of the integer code on eight vectors of lanes, in place.
template <class V> __attribute__((always_inline)) inline void transform(V* v) {
    const V z1 = mul(add(v[2], v[6]), 4433);
    const V even2 = sub(z1, mul(v[6], 15137));
    const V even3 = add(z1, mul(v[2], 6270));
    const V even0 = shiftUp(add(v[0], v[4]));
    const V even1 = shiftUp(sub(v[0], v[4]));
    const V tmp10 = add(even0, even3), tmp13 = sub(even0, even3);
    const V tmp11 = add(even1, even2), tmp12 = sub(even1, even2);

    const V sum1 = mul(add(v[7], v[1]), 0u - 7373u);
    const V sum2 = mul(add(v[5], v[3]), 0u - 20995u);
    const V sum3 = add(v[7], v[3]), sum4 = add(v[5], v[1]);
    const V z5 = mul(add(sum3, sum4), 9633);
    const V z3 = add(mul(sum3, 0u - 16069u), z5);
    const V z4 = add(mul(sum4, 0u - 3196u), z5);
    const V odd0 = add(mul(v[7], 2446), add(sum1, z3));
    const V odd1 = add(mul(v[5], 16819), add(sum2, z4));
    const V odd2 = add(mul(v[3], 25172), add(sum2, z3));
    const V odd3 = add(mul(v[1], 12299), add(sum1, z4));

    v[0] = add(tmp10, odd3);
    v[7] = sub(tmp10, odd3);
    v[1] = add(tmp11, odd2);
    v[6] = sub(tmp11, odd2);
    v[2] = add(tmp12, odd1);
    v[5] = sub(tmp12, odd1);
    v[3] = add(tmp13, odd0);
    v[4] = sub(tmp13, odd0);
}

inline void transpose4(__m128i& a, __m128i& b, __m128i& c, __m128i& d) {
    const __m128i t0 = _mm_unpacklo_epi32(a, b), t1 = _mm_unpackhi_epi32(a, b);
    const __m128i t2 = _mm_unpacklo_epi32(c, d), t3 = _mm_unpackhi_epi32(c, d);
    a = _mm_unpacklo_epi64(t0, t2);
    b = _mm_unpackhi_epi64(t0, t2);
    c = _mm_unpacklo_epi64(t1, t3);
    d = _mm_unpackhi_epi64(t1, t3);
}

// half[h][r]: lanes 4h..4h+3 of row r. Turns rows into columns.
inline void transpose8(__m128i half[2][8]) {
    for (int block = 0; block < 4; ++block) {
        const int h = block & 1, rows = (block >> 1) * 4;
        transpose4(half[h][rows], half[h][rows + 1], half[h][rows + 2], half[h][rows + 3]);
    }
    for (int i = 0; i < 4; ++i) {
        const __m128i swap = half[1][i];
        half[1][i] = half[0][i + 4];
        half[0][i + 4] = swap;
    }
}

inline __m128i saturate16(__m128i a) {
    const __m128i packed = _mm_packs_epi32(a, a);
    return _mm_srai_epi32(_mm_unpacklo_epi16(packed, packed), 16);
}

void idctSse2(const int16_t* coefficients, uint8_t* out, int stride) {
    __m128i half[2][8];
    for (int r = 0; r < 8; ++r) {
        const __m128i row = _mm_loadu_si128(reinterpret_cast<const __m128i*>(coefficients + 8 * r));
        half[0][r] = _mm_srai_epi32(_mm_unpacklo_epi16(row, row), 16);
        half[1][r] = _mm_srai_epi32(_mm_unpackhi_epi16(row, row), 16);
    }
    transpose8(half);
    const __m128i rowRounding = _mm_set1_epi32(1024);
    for (int h = 0; h < 2; ++h) {
        transform(half[h]);
        for (int i = 0; i < 8; ++i)
            half[h][i] = saturate16(_mm_srai_epi32(_mm_add_epi32(half[h][i], rowRounding), 11));
    }
    transpose8(half);
    const __m128i columnRounding = _mm_set1_epi32(131072);
    const __m128i centre = _mm_set1_epi32(128);
    for (int h = 0; h < 2; ++h) transform(half[h]);
    for (int r = 0; r < 8; ++r) {
        __m128i low = _mm_srai_epi32(_mm_add_epi32(half[0][r], columnRounding), 18);
        __m128i high = _mm_srai_epi32(_mm_add_epi32(half[1][r], columnRounding), 18);
        low = _mm_add_epi32(low, centre);
        high = _mm_add_epi32(high, centre);
        const __m128i words = _mm_packs_epi32(low, high);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + r * stride),
                         _mm_packus_epi16(words, words));
    }
}

__attribute__((target("avx2"))) inline void transpose8(__m256i* v) {
    __m256i t[8], s[8];
    for (int i = 0; i < 8; i += 2) {
        t[i] = _mm256_unpacklo_epi32(v[i], v[i + 1]);
        t[i + 1] = _mm256_unpackhi_epi32(v[i], v[i + 1]);
    }
    for (int i = 0; i < 8; i += 4) {
        s[i] = _mm256_unpacklo_epi64(t[i], t[i + 2]);
        s[i + 1] = _mm256_unpackhi_epi64(t[i], t[i + 2]);
        s[i + 2] = _mm256_unpacklo_epi64(t[i + 1], t[i + 3]);
        s[i + 3] = _mm256_unpackhi_epi64(t[i + 1], t[i + 3]);
    }
    for (int i = 0; i < 4; ++i) {
        v[i] = _mm256_permute2x128_si256(s[i], s[i + 4], 0x20);
        v[i + 4] = _mm256_permute2x128_si256(s[i], s[i + 4], 0x31);
    }
}

__attribute__((target("avx2"))) void idctAvx2(const int16_t* coefficients, uint8_t* out,
                                              int stride) {
    __m256i v[8];
    for (int r = 0; r < 8; ++r)
        v[r] = _mm256_cvtepi16_epi32(
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(coefficients + 8 * r)));
    transpose8(v);
    transform(v);
    const __m256i rowRounding = _mm256_set1_epi32(1024);
    const __m256i lowest = _mm256_set1_epi32(-32768), highest = _mm256_set1_epi32(32767);
    for (int i = 0; i < 8; ++i) {
        const __m256i scaled = _mm256_srai_epi32(_mm256_add_epi32(v[i], rowRounding), 11);
        v[i] = _mm256_min_epi32(_mm256_max_epi32(scaled, lowest), highest);
    }
    transpose8(v);
    transform(v);
    const __m256i columnRounding = _mm256_set1_epi32(131072);
    const __m256i centre = _mm256_set1_epi32(128);
    for (int r = 0; r < 8; ++r) {
        const __m256i level =
            _mm256_add_epi32(_mm256_srai_epi32(_mm256_add_epi32(v[r], columnRounding), 18), centre);
        const __m128i words =
            _mm_packs_epi32(_mm256_castsi256_si128(level), _mm256_extracti128_si256(level, 1));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + r * stride),
                         _mm_packus_epi16(words, words));
    }
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
