// Choice of the SIMD versions of the JPEG decoder's inner loops: AVX2 where the processor
// has it, SSE2 (every x86-64 processor), the portable integer code elsewhere. Each version
// gives exactly the bytes of the integer code.
#pragma once

#include <cstdint>

using JpegIdctFunction = void (*)(const int16_t* coefficients, uint8_t* out, int stride);
using JpegStoreBgrFunction = void (*)(const uint8_t* rgbx, uint8_t* bgr, int width);
using JpegConvertRowFunction = void (*)(const uint8_t* y, const uint8_t* cb, const uint8_t* cr,
                                        uint8_t* out, int width, int chromaShift);

JpegIdctFunction jpegSimdIdct();
JpegConvertRowFunction jpegSimdConvertRow();
// Turns a decoded colour row (R, G, B, 0) into `width` pixels of B, G, R; writes exactly
// 3 x `width` bytes.
JpegStoreBgrFunction jpegStoreBgr();
void jpegStoreBgrScalar(const uint8_t* rgbx, uint8_t* bgr, int width);

// The SSE2 versions whatever the processor, so that they can be checked on AVX2 machines.
JpegIdctFunction jpegSse2Idct();
JpegConvertRowFunction jpegSse2ConvertRow();
