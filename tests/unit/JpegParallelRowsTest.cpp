#include "image/jpeg/JpegParallelRows.h"
#include "JpegTestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {
struct ReadImage {
    JpegRowsRead read = {0, 0, 0};
    int split = 0;
    JpegBytes bgr; // top row first
};

// The decoder reads `file`; the helper, when there is one, reads `helperFile`.
ReadImage readImage(const JpegBytes& file, bool twoThreads, const JpegBytes* helperFile = nullptr) {
    ReadImage image;
    MemoryJpegSource source(file.data(), uint32_t(file.size()));
    JpegDecoder decoder(&source, true);
    if (decoder.begin() != 0) return image;
    image.split = decoder.splitRowNear(decoder.height() / 2);
    image.bgr.assign(size_t(decoder.width()) * decoder.height() * 3, 0);
    const JpegBytes& lowerFile = helperFile ? *helperFile : file;
    image.read = readJpegRowsBgr(decoder, lowerFile.data(), uint32_t(lowerFile.size()),
                                 image.bgr.data(), ptrdiff_t(decoder.width()) * 3, twoThreads);
    return image;
}

size_t nthMarker(const JpegBytes& file, int n) {
    size_t found = 0;
    for (size_t i = 0; i + 1 < file.size(); ++i)
        if (file[i] == 0xFF && file[i + 1] >= 0xD0 && file[i + 1] <= 0xD7 && found++ == size_t(n))
            return i;
    return std::string::npos;
}

void expectSameAsOneThread(const JpegBytes& file, bool splits) {
    const ReadImage alone = readImage(file, false);
    const ReadImage helped = readImage(file, true);
    EXPECT_EQ(helped.split != 0, splits);
    EXPECT_EQ(helped.read.rows, alone.read.rows);
    EXPECT_EQ(helped.read.errorCode, alone.read.errorCode);
    EXPECT_TRUE(helped.bgr == alone.bgr);
}
} // namespace

TEST(JpegParallelRows, RestartFilesReadInTwoPartsGiveTheImageOfOneReader) {
    if (!haveCjpeg()) GTEST_SKIP() << "cjpeg not installed";
    // 203 pixels across: 13 MCUs a row at 2x2, 26 at 1x1. Intervals of a row, of one MCU, and
    // of 3 and 7 MCUs, which begin a row only every 3rd or 7th MCU row; grey; none at all.
    const std::string picture = photoPnm(203, 301);
    for (const char* options :
         {"-sample 2x2 -restart 1", "-sample 2x2 -restart 1B", "-sample 2x2 -restart 3B",
          "-sample 1x1 -restart 7B", "-sample 2x1 -restart 2"}) {
        SCOPED_TRACE(options);
        expectSameAsOneThread(cjpeg(picture, options), true);
    }
    expectSameAsOneThread(cjpeg(photoPnm(77, 150, true), "-restart 1"), true);
    expectSameAsOneThread(cjpeg(picture, "-sample 2x2"), false);
    // One MCU row: nowhere to split.
    expectSameAsOneThread(cjpeg(photoPnm(64, 16), "-sample 2x2 -restart 1B"), false);
}

TEST(JpegParallelRows, ProgressiveFilesMadeInTwoHalvesGiveTheImageOfOneReader) {
    if (!haveCjpeg()) GTEST_SKIP() << "cjpeg not installed";
    // Common and unusual sampling, unconverted RGB and grey (the slower colour paths), and a
    // truncated file whose missing blocks stay zero; one MCU row cannot be split.
    const std::string picture = photoPnm(203, 301);
    for (const char* options :
         {"-sample 1x1", "-sample 2x2", "-sample 2x1", "-sample 1x2,2x1,1x1", "-rgb"}) {
        SCOPED_TRACE(options);
        expectSameAsOneThread(cjpeg(picture, std::string("-progressive ") + options), true);
    }
    expectSameAsOneThread(cjpeg(photoPnm(77, 50, true), "-progressive"), true);
    JpegBytes truncated = cjpeg(picture, "-progressive -sample 2x2");
    truncated.resize(truncated.size() * 2 / 3);
    expectSameAsOneThread(truncated, true);
    expectSameAsOneThread(cjpeg(photoPnm(64, 8), "-progressive"), false);

    // The lower half alone leaves the upper one untouched.
    const JpegBytes file = cjpeg(picture, "-progressive -sample 2x2");
    const ReadImage alone = readImage(file, false);
    MemoryJpegSource source(file.data(), uint32_t(file.size()));
    JpegDecoder decoder(&source, true);
    ASSERT_EQ(decoder.begin(), 0);
    const int split = decoder.splitRowNear(150);
    EXPECT_EQ(split, 144);
    JpegBytes lower(alone.bgr.size(), 0);
    const size_t rowBytes = 203 * 3;
    EXPECT_EQ(decoder.transformRowsBgr(split, 301, lower.data(), ptrdiff_t(rowBytes)), 0);
    EXPECT_TRUE(std::equal(alone.bgr.begin() + split * rowBytes, alone.bgr.end(),
                           lower.begin() + split * rowBytes));
    EXPECT_EQ(std::count(lower.begin(), lower.begin() + split * rowBytes, 0), split * rowBytes);
    EXPECT_EQ(decoder.transformRowsBgr(split + 1, 301, lower.data(), ptrdiff_t(rowBytes)), -1);
}

TEST(JpegParallelRows, DamageAnywhereEndsWhereOneReaderWouldEnd) {
    if (!haveCjpeg()) GTEST_SKIP() << "cjpeg not installed";
    const JpegBytes file = cjpeg(photoPnm(203, 301), "-sample 2x2 -restart 1");
    const int markers = 301 / 16; // one before each MCU row but the first
    // A wrong number before the split, just before it, or after it; a lost marker; the data
    // cut before the split or after it; a scrambled interval above the split.
    std::vector<JpegBytes> damaged;
    for (int n : {2, markers / 2 - 1, markers / 2, markers - 2}) {
        JpegBytes renumbered = file;
        renumbered[nthMarker(file, n) + 1] ^= 0x03;
        damaged.push_back(renumbered);
    }
    JpegBytes lost = file;
    lost.erase(lost.begin() + nthMarker(file, 4), lost.begin() + nthMarker(file, 4) + 2);
    damaged.push_back(lost);
    for (int n : {3, markers - 3})
        damaged.push_back(JpegBytes(file.begin(), file.begin() + nthMarker(file, n) + 40));
    JpegBytes scrambled = file;
    for (size_t i = nthMarker(file, 5) + 2; i < nthMarker(file, 6); i += 7)
        if (scrambled[i] != 0xFF && scrambled[i - 1] != 0xFF)
            scrambled[i] = uint8_t(scrambled[i] * 31 + 7) & 0x7F;
    damaged.push_back(scrambled);
    for (size_t i = 0; i < damaged.size(); ++i) {
        SCOPED_TRACE(i);
        expectSameAsOneThread(damaged[i], true);
    }
}

TEST(JpegParallelRows, AHelperThatStartsElsewhereIsNotBelieved) {
    if (!haveCjpeg()) GTEST_SKIP() << "cjpeg not installed";
    // The helper reads a file of the same layout whose intervals lie elsewhere: its rows are
    // dropped and the decoder reads on by itself.
    const std::string picture = photoPnm(203, 301);
    const JpegBytes file = cjpeg(picture, "-quality 90 -sample 2x2 -restart 1");
    const JpegBytes other = cjpeg(picture, "-quality 40 -sample 2x2 -restart 1");
    const ReadImage alone = readImage(file, false);
    const ReadImage misled = readImage(file, true, &other);
    EXPECT_NE(misled.split, 0);
    EXPECT_EQ(misled.read.rows, 301);
    EXPECT_EQ(misled.read.errorCode, 0);
    EXPECT_TRUE(misled.bgr == alone.bgr);
}
