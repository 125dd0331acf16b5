#include "image/jpeg/FormatJPEG.h"
#include "JpegTestFiles.h"
#include "image/ImageRefusal.h"
#include "image/ReadImage.h"
#include "io/MemoryStream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace {
struct LoadedJpeg {
    int result;
    std::string output;
    std::string damage; // what the load noted as left out
};

LoadedJpeg load(cFormatJPEG& image, const JpegBytes& file) {
    MemoryStream stream(file.data(), uint32_t(file.size()));
    clearImageRefusal();
    testing::internal::CaptureStdout();
    const int result = image.load(&stream);
    return {result, testing::internal::GetCapturedStdout(), imageDamage()};
}

// The bytes from `first` to `end` (an even count) made stuffed 0xFF bytes: all one bits,
// which no Huffman code begins with, so decoding fails there.
void spoil(JpegBytes& file, size_t first, size_t end) {
    for (size_t i = first; i + 1 < end; i += 2) {
        file[i] = 0xFF;
        file[i + 1] = 0x00;
    }
}
} // namespace

TEST(FormatJPEG, StoresRowsBottomFirstAndBlueFirst) {
    if (!haveCjpeg()) GTEST_SKIP() << "cjpeg not installed";
    const JpegBytes file = cjpeg(photoPnm(256, 256), "-sample 2x2");
    const DecodedJpeg decoded = decodeJpeg(file);
    cFormatJPEG image;
    const LoadedJpeg loaded = load(image, file);
    ASSERT_EQ(loaded.result, 0);
    EXPECT_EQ(loaded.output, "");
    EXPECT_EQ(image.width(), 256);
    EXPECT_EQ(image.height(), 256);
    EXPECT_EQ(image.bitsPerPixel(), 24u);
    const uint8_t* pixels = image.pixels(0);
    for (int row = 0; row < 256; ++row) {
        const uint8_t* stored = pixels + (255 - row) * 256 * 3;
        const uint8_t* handed = decoded.pixels.data() + row * 256 * 4;
        for (int x = 0; x < 256; ++x) {
            ASSERT_EQ(stored[x * 3], handed[x * 4 + 2]);
            ASSERT_EQ(stored[x * 3 + 1], handed[x * 4 + 1]);
            ASSERT_EQ(stored[x * 3 + 2], handed[x * 4]);
        }
    }

    // Width 100 in 4:2:0: 400-byte decoder rows become 300-byte image rows.
    const JpegBytes narrowFile = cjpeg(photoPnm(100, 30), "-sample 2x2");
    MemoryStream stream(narrowFile.data(), uint32_t(narrowFile.size()));
    std::unique_ptr<cFormat> viaDispatch(readImage(&stream));
    ASSERT_TRUE(viaDispatch);
    EXPECT_EQ(viaDispatch->width(), 100);
    EXPECT_EQ(viaDispatch->bitsPerPixel(), 24u);
    const uint8_t* bottomRow = viaDispatch->pixels(0);
    const JpegBytes rows = decodeJpeg(narrowFile).pixels;
    EXPECT_EQ(bottomRow[300], rows[28 * 400 + 2]); // second stored row, first pixel's blue
}

TEST(FormatJPEG, TakesAnyFirstSegmentAndGreyAndSaysWhyItRefuses) {
    if (!haveCjpeg()) GTEST_SKIP() << "cjpeg not installed";
    cFormatJPEG image;
    // Grey files become 24-bit pictures with equal blue, green and red.
    const JpegBytes grey = cjpeg(photoPnm(32, 20, true), "");
    ASSERT_EQ(load(image, grey).result, 0);
    EXPECT_EQ(image.bitsPerPixel(), 24u);
    const JpegBytes greyRows = decodeJpeg(grey).pixels;
    for (int row = 0; row < 20; ++row)
        for (int x = 0; x < 32; ++x)
            for (int c = 0; c < 3; ++c)
                ASSERT_EQ(image.pixels(0)[((19 - row) * 32 + x) * 3 + c], greyRows[row * 32 + x]);

    // Exif, a comment, or tables ahead of (or instead of) the JFIF segment.
    const JpegBytes jfif = cjpeg(photoPnm(32, 32), "");
    ASSERT_EQ(load(image, jfif).result, 0);
    const std::vector<uint8_t> expected(image.pixels(0), image.pixels(0) + 32 * 32 * 3);
    JpegBytes exif = jfif;
    exif.insert(exif.begin() + 2, {0xFF, 0xE1, 0x00, 0x08, 'E', 'x', 'i', 'f', 0, 0});
    JpegBytes comment = jfif;
    comment.erase(comment.begin() + 2, comment.begin() + 2 + 18); // the JFIF segment
    comment.insert(comment.begin() + 2, {0xFF, 0xFE, 0x00, 0x04, 'h', 'i'});
    JpegBytes tables = jfif;
    tables.erase(tables.begin() + 2, tables.begin() + 2 + 18);
    for (const JpegBytes* file : {&exif, &comment, &tables}) {
        MemoryStream stream(file->data(), uint32_t(file->size()));
        EXPECT_EQ(cFormatJPEG::probe(&stream), 1);
        EXPECT_EQ(stream.tell(), 0u);
        std::unique_ptr<cFormat> loaded(readImage(&stream));
        ASSERT_TRUE(loaded);
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), loaded->pixels(0)));
    }
    // SOI followed by no marker is not a JPEG.
    for (JpegBytes notJpeg :
         {JpegBytes{0xFF, 0xD8, 0x00, 0xFF}, JpegBytes{0xFF, 0xD8, 0xFF, 0x00}}) {
        notJpeg.resize(32, 0);
        MemoryStream stream(notJpeg.data(), uint32_t(notJpeg.size()));
        EXPECT_EQ(cFormatJPEG::probe(&stream), -1);
    }

    const LoadedJpeg arithmetic = load(image, cjpeg(photoPnm(32, 32), "-arithmetic"));
    EXPECT_EQ(arithmetic.result, -1);
    EXPECT_EQ(arithmetic.output, "Warning cFormatJPEG::load() error\n");
    EXPECT_STREQ(image.reason(), "arithmetic-coded JPEG not supported");
    ASSERT_EQ(load(image, jfif).result, 0);
    EXPECT_STREQ(image.reason(), "");
}

TEST(FormatJPEG, AFailurePartwayKeepsTheImageWithBlackRows) {
    if (!haveCjpeg()) GTEST_SKIP() << "cjpeg not installed";
    // No restart markers: damaged data in the last MCU row ends the decoding there.
    JpegBytes file = cjpeg(photoPnm(64, 48), "-sample 2x2");
    const size_t scan = findMarker(file, 0xDA), end = findMarker(file, 0xD9);
    ASSERT_LT(scan, end);
    spoil(file, end - 40, end - 2);
    cFormatJPEG image;
    const LoadedJpeg loaded = load(image, file);
    EXPECT_EQ(loaded.result, 0);
    EXPECT_EQ(loaded.output, "error: decoded 32 lines (64 48) -227\n");
    EXPECT_EQ(loaded.damage, "");
    const uint8_t* pixels = image.pixels(0);
    for (int i = 0; i < 64 * 16 * 3; ++i) ASSERT_EQ(pixels[i], 0) << i;

    // A file cut in the entropy-coded data decodes quietly to its end.
    const JpegBytes whole = cjpeg(photoPnm(64, 48), "-sample 2x2");
    const LoadedJpeg cut =
        load(image, JpegBytes(whole.begin(), whole.begin() + whole.size() * 2 / 3));
    EXPECT_EQ(cut.result, 0);
    EXPECT_EQ(cut.output, "");
}

namespace {
std::string skipped(const char* times) {
    return std::string("corrupt JPEG data skipped up to the next restart marker ") + times +
           ", the parts lost left grey";
}

bool grey(const uint8_t* pixel) {
    return pixel[0] == 128 && pixel[1] == 128 && pixel[2] == 128;
}
} // namespace

// A damaged interval is left grey from where its data fails; the next restart marker picks
// the decoding up again, in one reader or two, and one note tells what was skipped.
TEST(FormatJPEG, DamagedDataIsSkippedUpToTheNextRestartMarker) {
    if (!haveCjpeg()) GTEST_SKIP() << "cjpeg not installed";
    // 512 x 512 at 2 x 2: 32 MCUs a row, one MCU row per interval. Damage in the middle of
    // interval 5 (rows 80..95), above the halves' meeting row, and of interval 20 below it.
    const JpegBytes file = cjpeg(photoPnm(512, 512), "-sample 2x2 -restart 1");
    for (int interval : {5, 20}) {
        SCOPED_TRACE(interval);
        JpegBytes damaged = file;
        // The interval's data lies between the markers before and after it.
        size_t first = std::string::npos, last = std::string::npos;
        int seen = 0;
        for (size_t i = 0; i + 1 < file.size(); ++i) {
            if (file[i] != 0xFF || file[i + 1] < 0xD0 || file[i + 1] > 0xD7) continue;
            if (++seen == interval) first = i + 2;
            if (seen == interval + 1) last = i;
        }
        ASSERT_LT(first, last);
        size_t middle = (first + last) / 2;
        while (file[middle - 1] == 0xFF) ++middle; // not the second byte of a stuffed pair
        spoil(damaged, middle, std::min(last, middle + 64));
        cFormatJPEG whole, one, two;
        one.setTwoThreads(false);
        two.setTwoThreads(true);
        ASSERT_EQ(load(whole, file).result, 0);
        const LoadedJpeg alone = load(one, damaged);
        const LoadedJpeg helped = load(two, damaged);
        ASSERT_EQ(alone.result, 0);
        EXPECT_EQ(alone.output, "");
        EXPECT_EQ(alone.damage, skipped("1 time"));
        EXPECT_EQ(helped.damage, skipped("1 time"));
        EXPECT_EQ(std::memcmp(one.pixels(0), two.pixels(0), 512 * 512 * 3), 0);
        // Rows are stored bottom first: picture row y is stored row 511 - y.
        const size_t rowBytes = 512 * 3;
        auto row = [&](cFormatJPEG& image, int y) {
            return image.pixels(0) + (511 - y) * rowBytes;
        };
        const int top = interval * 16;
        for (int y = 0; y < 512; ++y) {
            if (y >= top && y < top + 16) continue;
            ASSERT_EQ(std::memcmp(row(one, y), row(whole, y), rowBytes), 0) << y;
        }
        // The damaged row starts as it should and ends grey.
        EXPECT_EQ(std::memcmp(row(one, top), row(whole, top), 3 * 16), 0);
        EXPECT_TRUE(grey(row(one, top + 15) + 511 * 3));
    }
}

TEST(FormatJPEG, TwoThreadsGiveTheImageAndTheMessageOfOne) {
    if (!haveCjpeg()) GTEST_SKIP() << "cjpeg not installed";
    // Large enough for a second thread: whole, and with a wrong marker in the lower half.
    JpegBytes file = cjpeg(photoPnm(512, 512), "-sample 2x2 -restart 1");
    JpegBytes damaged = file;
    // The third RST4 comes before MCU row 21 of 32; the halves meet at row 16.
    size_t marker = findMarker(damaged, 0xD4);
    for (int i = 0; i < 2 && marker != std::string::npos; ++i)
        marker = findMarker(damaged, 0xD4, marker + 2);
    ASSERT_NE(marker, std::string::npos);
    damaged[marker + 1] = 0xD6;
    for (const JpegBytes* bytes : {&file, &damaged}) {
        cFormatJPEG one, two;
        one.setTwoThreads(false);
        two.setTwoThreads(true);
        const LoadedJpeg alone = load(one, *bytes);
        const LoadedJpeg helped = load(two, *bytes);
        EXPECT_EQ(helped.result, alone.result);
        EXPECT_EQ(helped.output, alone.output);
        EXPECT_EQ(helped.damage, alone.damage);
        EXPECT_EQ(alone.output, "");
        // Once at the marker numbered two ahead, taking two intervals as lost, and once at
        // the next, which is then behind and passed over with its data.
        EXPECT_EQ(alone.damage, bytes == &file ? "" : skipped("2 times"));
        EXPECT_EQ(std::memcmp(one.pixels(0), two.pixels(0), 512 * 512 * 3), 0);
    }
}
