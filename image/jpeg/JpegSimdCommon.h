// Helpers shared by the SSE2 and AVX2 kernels of the JPEG decoder (x86-64 only). Every
// kernel repeats the integer code's arithmetic lane by lane: 32-bit wrapping sums,
// arithmetic shifts, the same saturation and clamping. That is what makes them give the
// same bytes; the integer code's shortcuts for zero AC terms are exact, so the vector code
// does without them. Internal linkage, so each kernel file keeps its own copies compiled
// for its own instruction set (the AVX2 file is compiled with AVX2 as a whole).
#pragma once

#include <immintrin.h>

#include <cstdint>
#include <cstring>

namespace {
inline int32_t load4(const uint8_t* bytes) {
    int32_t value;
    std::memcpy(&value, bytes, 4);
    return value;
}

// ---- Inverse transform ----
// Both passes start from 16-bit values, and every output of the transform is a fixed
// integer combination of its eight inputs, so it can be summed from pairwise 16 x 16-bit
// multiply-adds: another order of the same exact products, the same 32-bit result.

inline uint32_t factorPair(int first, int second) {
    return uint32_t(uint16_t(first)) | uint32_t(uint16_t(second)) << 16;
}

// The last butterfly of both transforms: even parts tmp10..tmp13, odd parts odd0..odd3.
template <class L>
inline void transformOutputs(typename L::V tmp10, typename L::V tmp11, typename L::V tmp12,
                             typename L::V tmp13, typename L::V odd0, typename L::V odd1,
                             typename L::V odd2, typename L::V odd3, typename L::V* out) {
    out[0] = L::add(tmp10, odd3);
    out[7] = L::sub(tmp10, odd3);
    out[1] = L::add(tmp11, odd2);
    out[6] = L::sub(tmp11, odd2);
    out[2] = L::add(tmp12, odd1);
    out[5] = L::sub(tmp12, odd1);
    out[3] = L::add(tmp13, odd0);
    out[4] = L::sub(tmp13, odd0);
}

// The transform on inputs already paired: 0 with 4, 2 with 6, 1 with 7, 3 with 5.
template <class L>
inline void transformPairs(typename L::V p04, typename L::V p26, typename L::V p17,
                           typename L::V p35, typename L::V* out) {
    using V = typename L::V;
    const V even0 = L::madd(p04, 8192, 8192), even1 = L::madd(p04, 8192, -8192);
    const V even2 = L::madd(p26, 4433, -10704), even3 = L::madd(p26, 10703, 4433);
    const V tmp10 = L::add(even0, even3), tmp13 = L::sub(even0, even3);
    const V tmp11 = L::add(even1, even2), tmp12 = L::sub(even1, even2);
    const V odd0 = L::add(L::madd(p17, 2260, -11363), L::madd(p35, -6436, 9633));
    const V odd1 = L::add(L::madd(p17, 6437, 9633), L::madd(p35, -11362, 2261));
    const V odd2 = L::add(L::madd(p17, 9633, -6436), L::madd(p35, -2259, -11362));
    const V odd3 = L::add(L::madd(p17, 11363, 2260), L::madd(p35, 9633, 6437));
    transformOutputs<L>(tmp10, tmp11, tmp12, tmp13, odd0, odd1, odd2, odd3, out);
}

// The transform on lane set L: x[j] is input j of the transforms, one per lane; out[i] gets
// their outputs in 32 bits.
template <class L> inline void transform(const __m128i* x, typename L::V* out) {
    transformPairs<L>(L::pairs(x[0], x[4]), L::pairs(x[2], x[6]), L::pairs(x[1], x[7]),
                      L::pairs(x[3], x[5]), out);
}

// The same transform where inputs 4..7 are zero: four of the eight products drop out of every
// sum, the others are the same exact products.
template <class L> inline void transformFour(const __m128i* x, typename L::V* out) {
    using V = typename L::V;
    const V p02 = L::pairs(x[0], x[2]), p13 = L::pairs(x[1], x[3]);
    const V tmp10 = L::madd(p02, 8192, 10703), tmp13 = L::madd(p02, 8192, -10703);
    const V tmp11 = L::madd(p02, 8192, 4433), tmp12 = L::madd(p02, 8192, -4433);
    const V odd0 = L::madd(p13, 2260, -6436), odd1 = L::madd(p13, 6437, -11362);
    const V odd2 = L::madd(p13, 9633, -2259), odd3 = L::madd(p13, 11363, 9633);
    transformOutputs<L>(tmp10, tmp11, tmp12, tmp13, odd0, odd1, odd2, odd3, out);
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

// Four columns of four 16-bit values, one per lane, as the low or high four lanes of a
// 128-bit value.
struct QuarterLanes {
    using V = __m128i;
    static V pairs(__m128i first, __m128i second) { return _mm_unpacklo_epi16(first, second); }
    static V madd(V a, int first, int second) {
        return _mm_madd_epi16(a, _mm_set1_epi32(int32_t(factorPair(first, second))));
    }
    static V add(V a, V b) { return _mm_add_epi32(a, b); }
    static V sub(V a, V b) { return _mm_sub_epi32(a, b); }
};

// The row pass of a block whose coefficients outside the top-left 4 x 4 are zero: rows 4..7
// give zeros, the others have four inputs. `rows` gets rows 0..3 of the result.
inline void sparseRowPass(const int16_t* coefficients, __m128i* rows) {
    const __m128i r01 =
        _mm_unpacklo_epi16(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(coefficients)),
                           _mm_loadl_epi64(reinterpret_cast<const __m128i*>(coefficients + 8)));
    const __m128i r23 =
        _mm_unpacklo_epi16(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(coefficients + 16)),
                           _mm_loadl_epi64(reinterpret_cast<const __m128i*>(coefficients + 24)));
    // Columns 0..3 of rows 0..3, a column per 64 bits.
    const __m128i columns01 = _mm_unpacklo_epi32(r01, r23);
    const __m128i columns23 = _mm_unpackhi_epi32(r01, r23);
    const __m128i x[4] = {columns01, _mm_unpackhi_epi64(columns01, columns01), columns23,
                          _mm_unpackhi_epi64(columns23, columns23)};
    __m128i out[8];
    transformFour<QuarterLanes>(x, out);
    // out[i] holds output i of rows 0..3; turned into rows of eight.
    __m128i words[4];
    for (int i = 0; i < 4; ++i) words[i] = rowWords(out[2 * i], out[2 * i + 1]);
    const __m128i a = _mm_unpacklo_epi16(words[0], words[1]);
    const __m128i b = _mm_unpackhi_epi16(words[0], words[1]);
    const __m128i c = _mm_unpacklo_epi16(words[2], words[3]);
    const __m128i d = _mm_unpackhi_epi16(words[2], words[3]);
    const __m128i low01 = _mm_unpacklo_epi16(a, b), low23 = _mm_unpackhi_epi16(a, b);
    const __m128i high01 = _mm_unpacklo_epi16(c, d), high23 = _mm_unpackhi_epi16(c, d);
    rows[0] = _mm_unpacklo_epi64(low01, high01);
    rows[1] = _mm_unpackhi_epi64(low01, high01);
    rows[2] = _mm_unpacklo_epi64(low23, high23);
    rows[3] = _mm_unpackhi_epi64(low23, high23);
}

// Column results: rounded, shifted by 18, moved up by 128 and clamped to 0..255.
inline void storeSamples(__m128i low, __m128i high, uint8_t* out) {
    const __m128i rounding = _mm_set1_epi32(131072), centre = _mm_set1_epi32(128);
    low = _mm_add_epi32(_mm_srai_epi32(_mm_add_epi32(low, rounding), 18), centre);
    high = _mm_add_epi32(_mm_srai_epi32(_mm_add_epi32(high, rounding), 18), centre);
    const __m128i words = _mm_packs_epi32(low, high);
    _mm_storel_epi64(reinterpret_cast<__m128i*>(out), _mm_packus_epi16(words, words));
}
} // namespace
