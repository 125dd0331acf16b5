// Integer inverse DCT of the JPEG decoder: the Loeffler-Ligtenberg-Moschytz transform in
// 13-bit fixed point with two extra fraction bits between the passes, rows first. The
// arithmetic wraps in 32 bits and the row results saturate to 16 bits, so any input gives
// a defined result and the SIMD versions can match it bit for bit.
#pragma once

#include <cstdint>

// `coefficients`: 64 dequantised values in natural order. Writes 8 rows of 8 samples,
// `stride` bytes apart.
void jpegIdct(const int16_t* coefficients, uint8_t* out, int stride);

// The same result for a block whose AC coefficients are all zero.
void jpegIdctDcOnly(int16_t dc, uint8_t* out, int stride);
