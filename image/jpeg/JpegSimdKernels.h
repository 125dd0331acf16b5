// The SSE2 and AVX2 versions of the JPEG decoder's inner loops, chosen by JpegSimd.cpp.
// They exist on x86-64 only; the AVX2 ones may run only where the processor has AVX2.
#pragma once

#include <cstdint>

#if defined(__x86_64__)
void jpegIdctSse2(const int16_t* coefficients, uint8_t* out, int stride);
void jpegIdctSparseSse2(const int16_t* coefficients, uint8_t* out, int stride);
void jpegConvertRowSse2(const uint8_t* y, const uint8_t* cb, const uint8_t* cr, uint8_t* out,
                        int width, int chromaShift);

void jpegIdctAvx2(const int16_t* coefficients, uint8_t* out, int stride);
void jpegIdctSparseAvx2(const int16_t* coefficients, uint8_t* out, int stride);
void jpegConvertRowAvx2(const uint8_t* y, const uint8_t* cb, const uint8_t* cr, uint8_t* out,
                        int width, int chromaShift);
void jpegConvertRowBgrAvx2(const uint8_t* y, const uint8_t* cb, const uint8_t* cr, uint8_t* bgr,
                           int width, int chromaShift);
void jpegStoreBgrAvx2(const uint8_t* rgbx, uint8_t* bgr, int width);
#endif
