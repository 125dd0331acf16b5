#include "image/jpeg/JpegParallelRows.h"

#include "image/jpeg/JpegDecoder.h"
#include "image/jpeg/MemoryJpegSource.h"

#include <cstring>
#include <functional>
#include <system_error>
#include <thread>

namespace {
struct Part {
    int first = 0, end = 0; // rows [first, end)
    int rows = 0;           // read from `first` on
    int errorCode = 0;
    int resynchronisations = 0;
    uint64_t startOffset = 0; // where the data of `first`'s restart interval starts
    bool begun = false;
};

void readRows(JpegDecoder& decoder, uint8_t* firstRow, ptrdiff_t rowStep, Part& part) {
    while (part.first + part.rows < part.end &&
           decoder.decodeLineBgr(firstRow + (part.first + part.rows) * rowStep) == 0)
        ++part.rows;
    part.errorCode = decoder.errorCode();
    part.resynchronisations = decoder.resynchronisations();
}

void readLowerPart(const uint8_t* file, uint32_t fileSize, bool useSimd, uint8_t* firstRow,
                   ptrdiff_t rowStep, Part& part) {
    MemoryJpegSource source(file, fileSize);
    JpegDecoder decoder(&source, useSimd);
    if (decoder.beginAtRow(part.first) != 0) return;
    part.begun = true;
    part.startOffset = decoder.inputOffset();
    readRows(decoder, firstRow, rowStep, part);
}

bool transformInTwoParts(const JpegDecoder& decoder, int split, uint8_t* firstRow,
                         ptrdiff_t rowStep) {
    int lowerResult = -1;
    std::thread helper;
    try {
        helper = std::thread([&] {
            lowerResult = decoder.transformRowsBgr(split, decoder.height(), firstRow, rowStep);
        });
    } catch (const std::system_error&) {
        return false;
    }
    const int upperResult = decoder.transformRowsBgr(0, split, firstRow, rowStep);
    helper.join();
    return upperResult == 0 && lowerResult == 0;
}

void clearRows(uint8_t* firstRow, ptrdiff_t rowStep, size_t rowBytes, int first, int count) {
    for (int y = first; y < first + count; ++y) std::memset(firstRow + y * rowStep, 0, rowBytes);
}

// True when the helper's lower part is kept and `whole` is complete; otherwise `whole` holds
// the rows `decoder` has read so far, and `decoder` reads on from there.
bool readInTwoParts(JpegDecoder& decoder, const uint8_t* file, uint32_t fileSize, int split,
                    uint8_t* firstRow, ptrdiff_t rowStep, Part& whole) {
    Part lower;
    lower.first = split;
    lower.end = whole.end;
    std::thread helper;
    try {
        helper = std::thread(readLowerPart, file, fileSize, decoder.usesSimd(), firstRow, rowStep,
                             std::ref(lower));
    } catch (const std::system_error&) {
        return false;
    }
    Part upper;
    upper.end = split;
    readRows(decoder, firstRow, rowStep, upper);
    const bool reachedSplit = upper.rows == split && decoder.takeRestartMarker() == 0;
    helper.join();
    whole.rows = upper.rows;
    // After a resynchronisation the upper part may count its intervals otherwise than the
    // lower part, which counted markers from the start.
    if (reachedSplit && lower.begun && lower.startOffset == decoder.inputOffset() &&
        decoder.resynchronisations() == 0) {
        whole.rows += lower.rows;
        whole.errorCode = lower.errorCode;
        whole.resynchronisations = lower.resynchronisations;
        return true;
    }
    clearRows(firstRow, rowStep, size_t(decoder.width()) * 3, split, lower.rows);
    return false;
}
} // namespace

JpegRowsRead readJpegRowsBgr(JpegDecoder& decoder, const uint8_t* file, uint32_t fileSize,
                             uint8_t* firstRow, ptrdiff_t rowStep, bool twoThreads) {
    const int split = twoThreads ? decoder.splitRowNear(decoder.height() / 2) : 0;
    Part whole;
    whole.end = decoder.height();
    if (split != 0 && decoder.progressive() &&
        transformInTwoParts(decoder, split, firstRow, rowStep))
        return {whole.end, 0, 0};
    if (split != 0 && !decoder.progressive() &&
        readInTwoParts(decoder, file, fileSize, split, firstRow, rowStep, whole))
        return {whole.rows, whole.errorCode, whole.resynchronisations};
    // One thread, or a second that could not start or whose rows were dropped. After a
    // failure the decoder reads no further row.
    readRows(decoder, firstRow, rowStep, whole);
    return {whole.rows, whole.errorCode, whole.resynchronisations};
}
