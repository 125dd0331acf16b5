#include "image/jpeg/JpegColour.h"
#include "image/jpeg/JpegDecoder.h"

#include <csetjmp>
#include <cstring>

// The current row of component `index` at full resolution: its own plane row, or that row
// with each sample repeated across.
const uint8_t* JpegDecoder::componentRow(const RowScratch& rows, int rowInMcuRow, int index) const {
    const Component& c = components_[index];
    const uint8_t* samples = rows.planes[index] + (rowInMcuRow / c.vRatio) * c.planeStride;
    if (c.hRatio == 1) return samples;
    uint8_t* full = rows.fullRows[index];
    for (int x = 0, source = 0; x < width_; x += c.hRatio, ++source)
        std::memset(full + x, samples[source], c.hRatio);
    return full;
}

void JpegDecoder::outputRow(const RowScratch& rows, int rowInMcuRow, const uint8_t*& row,
                            int& rowBytes) const {
    rowBytes = rowBytes_;
    if (colour_ == kColourGrey) {
        row = rows.planes[0] + rowInMcuRow * components_[0].planeStride;
        return;
    }
    row = rows.rowBuffer;
    if (fastColourPath()) {
        const Component& cb = components_[1];
        const int chromaRow = rowInMcuRow / cb.vRatio;
        convertRow_(rows.planes[0] + rowInMcuRow * components_[0].planeStride,
                    rows.planes[1] + chromaRow * cb.planeStride,
                    rows.planes[2] + chromaRow * components_[2].planeStride, rows.rowBuffer, width_,
                    cb.hRatio - 1);
        return;
    }
    const uint8_t* first = componentRow(rows, rowInMcuRow, 0);
    const uint8_t* second = componentRow(rows, rowInMcuRow, 1);
    const uint8_t* third = componentRow(rows, rowInMcuRow, 2);
    if (colour_ == kColourRgb) {
        for (int x = 0; x < width_; ++x) {
            rows.rowBuffer[4 * x] = first[x];
            rows.rowBuffer[4 * x + 1] = second[x];
            rows.rowBuffer[4 * x + 2] = third[x];
            rows.rowBuffer[4 * x + 3] = 0;
        }
        return;
    }
    if (colour_ != kColourCmyk && colour_ != kColourInvertedCmyk) {
        convertRow_(first, second, third, rows.rowBuffer, width_, 0);
        if (colour_ == kColourYCbCr) return;
    }
    const uint8_t* black = componentRow(rows, rowInMcuRow, 3);
    uint8_t* out = rows.rowBuffer;
    for (int x = 0; x < width_; ++x, out += 4) {
        // Ink amounts as Adobe stores them (255 = no ink), whatever the coding.
        int ink[3], white;
        if (colour_ == kColourYcck) {
            for (int i = 0; i < 3; ++i) ink[i] = 255 - out[i];
            white = black[x];
        } else if (colour_ == kColourInvertedCmyk) {
            ink[0] = first[x];
            ink[1] = second[x];
            ink[2] = third[x];
            white = black[x];
        } else {
            ink[0] = 255 - first[x];
            ink[1] = 255 - second[x];
            ink[2] = 255 - third[x];
            white = 255 - black[x];
        }
        for (int i = 0; i < 3; ++i) out[i] = static_cast<uint8_t>((ink[i] * white + 127) / 255);
        out[3] = 0;
    }
}

// Decodes the next MCU row when the current one is used up.
void JpegDecoder::prepareRow() {
    if (rowInMcuRow_ != mcuHeight_) return;
    if (progressive_) {
        transformProgressiveMcuRow(mcuRow_, rows_.planes);
    } else {
        decodeSequentialMcuRow();
        if (rowsLeft_ <= mcuHeight_) readMarker();
    }
    ++mcuRow_;
    rowInMcuRow_ = 0;
}

void JpegDecoder::outputBgrRow(const RowScratch& rows, int rowInMcuRow, uint8_t* bgr) const {
    if (colour_ == kColourGrey) {
        jpegStoreGreyBgr(rows.planes[0] + rowInMcuRow * components_[0].planeStride, bgr, width_);
    } else if (fastColourPath()) {
        const Component& cb = components_[1];
        const int chromaRow = rowInMcuRow / cb.vRatio;
        convertRowBgr_(rows.planes[0] + rowInMcuRow * components_[0].planeStride,
                       rows.planes[1] + chromaRow * cb.planeStride,
                       rows.planes[2] + chromaRow * components_[2].planeStride, bgr, width_,
                       cb.hRatio - 1);
    } else {
        const uint8_t* row = nullptr;
        int rowBytes = 0;
        outputRow(rows, rowInMcuRow, row, rowBytes);
        storeBgr_(row, bgr, width_);
    }
}

// prepareRow, passing over damaged data where the restart markers allow: 0, or -1 with the
// failure in errorCode_. Every resynchronisation takes input or ends the decoding, so the
// retries end.
int JpegDecoder::prepareRowOrResynchronise() {
    if (setjmp(failure_) != 0) {
        if (!resynchronise()) return -1;
    }
    prepareRow();
    return 0;
}

int JpegDecoder::decodeLine(const uint8_t*& row, int& rowBytes) {
    if (errorCode_ != 0 || !begun_) return -1;
    if (rowsLeft_ == 0) return 1;
    if (prepareRowOrResynchronise() != 0) return kJpegCorruptData;
    outputRow(rows_, rowInMcuRow_, row, rowBytes);
    ++rowInMcuRow_;
    --rowsLeft_;
    return 0;
}

int JpegDecoder::decodeLineBgr(uint8_t* bgr) {
    if (errorCode_ != 0 || !begun_) return -1;
    if (rowsLeft_ == 0) return 1;
    if (prepareRowOrResynchronise() != 0) return kJpegCorruptData;
    outputBgrRow(rows_, rowInMcuRow_, bgr);
    ++rowInMcuRow_;
    --rowsLeft_;
    return 0;
}
