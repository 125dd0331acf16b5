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
    uint64_t startOffset = 0; // where the data of `first`'s restart interval starts
    bool begun = false;
};

void readRows(JpegDecoder& decoder, uint8_t* firstRow, ptrdiff_t rowStep, Part& part) {
    while (part.first + part.rows < part.end &&
           decoder.decodeLineBgr(firstRow + (part.first + part.rows) * rowStep) == 0)
        ++part.rows;
    part.errorCode = decoder.errorCode();
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
} // namespace

JpegRowsRead readJpegRowsBgr(JpegDecoder& decoder, const uint8_t* file, uint32_t fileSize,
                             uint8_t* firstRow, ptrdiff_t rowStep, bool twoThreads) {
    const int height = decoder.height();
    const int split = twoThreads ? decoder.splitRowNear(height / 2) : 0;
    // Without a thread, or memory for its buffers, the rows are read one at a time below.
    if (split != 0 && decoder.progressive() &&
        transformInTwoParts(decoder, split, firstRow, rowStep))
        return {height, 0};
    Part upper;
    upper.end = height;
    if (split == 0 || decoder.progressive()) {
        readRows(decoder, firstRow, rowStep, upper);
        return {upper.rows, upper.errorCode};
    }
    Part lower;
    lower.first = split;
    lower.end = height;
    std::thread helper;
    try {
        helper = std::thread(readLowerPart, file, fileSize, decoder.usesSimd(), firstRow, rowStep,
                             std::ref(lower));
    } catch (const std::system_error&) {
        readRows(decoder, firstRow, rowStep, upper);
        return {upper.rows, upper.errorCode};
    }
    upper.end = split;
    readRows(decoder, firstRow, rowStep, upper);
    const bool reachedSplit = upper.rows == split && decoder.takeRestartMarker() == 0;
    helper.join();
    if (reachedSplit && lower.begun && lower.startOffset == decoder.inputOffset())
        return {split + lower.rows, lower.errorCode};
    // The helper's rows are not what `decoder` reads from here on.
    clearRows(firstRow, rowStep, size_t(decoder.width()) * 3, split, lower.rows);
    if (!reachedSplit) return {upper.rows, decoder.errorCode()};
    upper.end = height;
    readRows(decoder, firstRow, rowStep, upper);
    return {upper.rows, upper.errorCode};
}
