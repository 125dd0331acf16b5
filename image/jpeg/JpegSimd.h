// The one place that chooses which versions of the JPEG decoder's inner loops run (inverse
// transform, colour conversion, BGR store): the portable integer code, SSE2 (every x86-64
// processor) or AVX2. Each level gives exactly the bytes of the integer code. A user can
// force a lower level with the environment variable VORNEX_JPEG_SIMD, to compare speeds or
// to rule the vector code out.
#pragma once

#include <cstdint>

using JpegIdctFunction = void (*)(const int16_t* coefficients, uint8_t* out, int stride);
using JpegConvertRowFunction = void (*)(const uint8_t* y, const uint8_t* cb, const uint8_t* cr,
                                        uint8_t* out, int width, int chromaShift);
// Turns a decoded colour row (R, G, B, 0) into `width` pixels of B, G, R; writes exactly
// 3 x `width` bytes.
using JpegStoreBgrFunction = void (*)(const uint8_t* rgbx, uint8_t* bgr, int width);

enum class JpegSimdLevel { None, Sse2, Avx2 };

struct JpegKernels {
    JpegIdctFunction idct;
    // The same for a block whose coefficients outside the top-left 4 x 4 (zig-zag positions
    // 0..9 and a few more) are all zero.
    JpegIdctFunction idctSparse;
    JpegConvertRowFunction convertRow;
    JpegStoreBgrFunction storeBgr;
    // convertRow and storeBgr in one pass: `width` pixels of B, G, R, exactly 3 x `width`
    // bytes written.
    JpegConvertRowFunction convertRowBgr;
};

// The level forced by jpegForceSimdLevel(), else the one the environment variable
// VORNEX_JPEG_SIMD names (read once; see jpegSimdLevelNamed), else the highest the processor
// has; never above what the processor has.
JpegSimdLevel jpegSimdLevel();
// Makes every later jpegSimdLevel() answer `level` (capped at what the processor has), so
// tests can run each level; never called by the player.
void jpegForceSimdLevel(JpegSimdLevel level);
// The highest level the processor has, whatever was forced.
JpegSimdLevel jpegSupportedSimdLevel();
// The kernels of `level`; a level the processor lacks gives the best one it has.
const JpegKernels& jpegKernels(JpegSimdLevel level);

// The level of a name as VORNEX_JPEG_SIMD takes it: "avx2", "sse2" or "none" (the integer
// code). False for any other name.
bool jpegSimdLevelNamed(const char* name, JpegSimdLevel& level);
