#include "image/jpeg/JpegColour.h"

namespace {
JpegColourTables makeTables() {
    JpegColourTables tables;
    for (int index = 0; index < 256; ++index) {
        const int32_t k = index - 128;
        tables.redFromCr[index] = (91882 * k + 32768) >> 16;
        tables.blueFromCb[index] = (116130 * k + 32768) >> 16;
        tables.greenFromCr[index] = -46802 * k;
        tables.greenFromCb[index] = -22554 * k + 32768;
    }
    return tables;
}

inline uint8_t clamp(int32_t value) {
    return static_cast<uint8_t>(value < 0 ? 0 : value > 255 ? 255 : value);
}
} // namespace

const JpegColourTables& JpegColourTables::instance() {
    static const JpegColourTables kTables = makeTables();
    return kTables;
}

void jpegConvertRow(const uint8_t* y, const uint8_t* cb, const uint8_t* cr, uint8_t* out, int width,
                    int chromaShift) {
    const JpegColourTables& t = JpegColourTables::instance();
    for (int x = 0; x < width; ++x, out += 4) {
        const int blue = cb[x >> chromaShift];
        const int red = cr[x >> chromaShift];
        const int32_t luma = y[x];
        out[0] = clamp(luma + t.redFromCr[red]);
        out[1] = clamp(luma + ((t.greenFromCb[blue] + t.greenFromCr[red]) >> 16));
        out[2] = clamp(luma + t.blueFromCb[blue]);
        out[3] = 0;
    }
}
void jpegStoreBgr(const uint8_t* rgbx, uint8_t* bgr, int width) {
    for (int x = 0; x < width; ++x, rgbx += 4, bgr += 3) {
        bgr[0] = rgbx[2];
        bgr[1] = rgbx[1];
        bgr[2] = rgbx[0];
    }
}

void jpegStoreGreyBgr(const uint8_t* grey, uint8_t* bgr, int width) {
    for (int x = 0; x < width; ++x, bgr += 3) bgr[0] = bgr[1] = bgr[2] = grey[x];
}
