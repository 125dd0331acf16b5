// YCbCr to RGB conversion of the JPEG decoder with the JFIF relation in 16-bit fixed point,
// and replication upsampling of the chroma: with `chromaShift` 1 one Cb/Cr pair serves two
// neighbouring pixels. Output pixels are R, G, B, 0.
#pragma once

#include <cstdint>

struct JpegColourTables {
    int32_t redFromCr[256];
    int32_t blueFromCb[256];
    int32_t greenFromCr[256];
    int32_t greenFromCb[256];

    // Built once, read-only afterwards.
    static const JpegColourTables& instance();
};

void jpegConvertRow(const uint8_t* y, const uint8_t* cb, const uint8_t* cr, uint8_t* out, int width,
                    int chromaShift);
