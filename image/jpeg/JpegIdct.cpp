#include "image/jpeg/JpegIdct.h"

#include <cstring>

namespace {
// c x 8192 rounded.
constexpr uint32_t k0_298631336 = 2446;
constexpr uint32_t k0_390180644 = 3196;
constexpr uint32_t k0_541196100 = 4433;
constexpr uint32_t k0_765366865 = 6270;
constexpr uint32_t k0_899976223 = 7373;
constexpr uint32_t k1_175875602 = 9633;
constexpr uint32_t k1_501321110 = 12299;
constexpr uint32_t k1_847759065 = 15137;
constexpr uint32_t k1_961570560 = 16069;
constexpr uint32_t k2_053119869 = 16819;
constexpr uint32_t k2_562915447 = 20995;
constexpr uint32_t k3_072711026 = 25172;

// Unsigned arithmetic is the portable way to wrap; conversions back are modulo 2^32.
inline uint32_t u(int32_t value) {
    return static_cast<uint32_t>(value);
}
inline int32_t s(uint32_t value) {
    return static_cast<int32_t>(value);
}

// One 8-point transform of `in` into `out`
// (still scaled by 2^13).
inline void transform(const int32_t* in, uint32_t* out) {
    uint32_t z2 = u(in[2]), z3 = u(in[6]);
    uint32_t z1 = (z2 + z3) * k0_541196100;
    const uint32_t even2 = z1 - z3 * k1_847759065;
    const uint32_t even3 = z1 + z2 * k0_765366865;
    z2 = u(in[0]);
    z3 = u(in[4]);
    const uint32_t even0 = (z2 + z3) << 13;
    const uint32_t even1 = (z2 - z3) << 13;
    const uint32_t tmp10 = even0 + even3, tmp13 = even0 - even3;
    const uint32_t tmp11 = even1 + even2, tmp12 = even1 - even2;

    uint32_t odd0 = u(in[7]), odd1 = u(in[5]), odd2 = u(in[3]), odd3 = u(in[1]);
    z1 = odd0 + odd3;
    z2 = odd1 + odd2;
    z3 = odd0 + odd2;
    uint32_t z4 = odd1 + odd3;
    const uint32_t z5 = (z3 + z4) * k1_175875602;
    odd0 *= k0_298631336;
    odd1 *= k2_053119869;
    odd2 *= k3_072711026;
    odd3 *= k1_501321110;
    z1 *= 0u - k0_899976223;
    z2 *= 0u - k2_562915447;
    z3 = z3 * (0u - k1_961570560) + z5;
    z4 = z4 * (0u - k0_390180644) + z5;
    odd0 += z1 + z3;
    odd1 += z2 + z4;
    odd2 += z2 + z3;
    odd3 += z1 + z4;

    out[0] = tmp10 + odd3;
    out[7] = tmp10 - odd3;
    out[1] = tmp11 + odd2;
    out[6] = tmp11 - odd2;
    out[2] = tmp12 + odd1;
    out[5] = tmp12 - odd1;
    out[3] = tmp13 + odd0;
    out[4] = tmp13 - odd0;
}

inline int16_t saturate16(int32_t value) {
    return static_cast<int16_t>(value < -32768 ? -32768 : value > 32767 ? 32767 : value);
}

inline uint8_t sample(uint32_t value) {
    const int32_t level = (s(value + 131072) >> 18) + 128;
    return static_cast<uint8_t>(level < 0 ? 0 : level > 255 ? 255 : level);
}
} // namespace

void jpegIdct(const int16_t* coefficients, uint8_t* out, int stride) {
    int16_t rows[64];
    int32_t in[8];
    uint32_t result[8];
    for (int row = 0; row < 8; ++row) {
        const int16_t* c = coefficients + row * 8;
        int16_t* target = rows + row * 8;
        if ((c[1] | c[2] | c[3] | c[4] | c[5] | c[6] | c[7]) == 0) {
            const int16_t dc = saturate16(c[0] * 4);
            for (int i = 0; i < 8; ++i) target[i] = dc;
            continue;
        }
        for (int i = 0; i < 8; ++i) in[i] = c[i];
        transform(in, result);
        for (int i = 0; i < 8; ++i) target[i] = saturate16(s(result[i] + 1024) >> 11);
    }
    for (int column = 0; column < 8; ++column) {
        const int16_t* c = rows + column;
        if ((c[8] | c[16] | c[24] | c[32] | c[40] | c[48] | c[56]) == 0) {
            const int32_t level = ((c[0] + 16) >> 5) + 128;
            const uint8_t value = static_cast<uint8_t>(level < 0 ? 0 : level > 255 ? 255 : level);
            for (int i = 0; i < 8; ++i) out[i * stride + column] = value;
            continue;
        }
        for (int i = 0; i < 8; ++i) in[i] = c[i * 8];
        transform(in, result);
        for (int i = 0; i < 8; ++i) out[i * stride + column] = sample(result[i]);
    }
}

void jpegIdctDcOnly(int16_t dc, uint8_t* out, int stride) {
    const int32_t level = ((saturate16(dc * 4) + 16) >> 5) + 128;
    const uint8_t value = static_cast<uint8_t>(level < 0 ? 0 : level > 255 ? 255 : level);
    for (int row = 0; row < 8; ++row) std::memset(out + row * stride, value, 8);
}
