#include "image/jpeg/FormatJPEG.h"
#include "JpegTestFiles.h"
#include "image/ReadImage.h"
#include "io/MemoryStream.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
struct Loaded {
    int result;
    std::string output;
};

Loaded load(cFormatJPEG& image, const JpegBytes& file) {
    MemoryStream stream(file.data(), uint32_t(file.size()));
    testing::internal::CaptureStdout();
    const int result = image.load(&stream);
    return {result, testing::internal::GetCapturedStdout()};
}
} // namespace

TEST(FormatJPEG, StoresRowsBottomFirstAndBlueFirst) {
    if (!haveCjpeg()) GTEST_SKIP() << "cjpeg not installed";
    const JpegBytes file = cjpeg(photoPnm(256, 256), "-sample 2x2");
    const DecodedJpeg decoded = decodeJpeg(file);
    cFormatJPEG image;
    const Loaded loaded = load(image, file);
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

TEST(FormatJPEG, RefusesGreyArithmeticAndNonJfifFiles) {
    if (!haveCjpeg()) GTEST_SKIP() << "cjpeg not installed";
    cFormatJPEG image;
    const JpegBytes grey = cjpeg(photoPnm(32, 32, true), "");
    EXPECT_EQ(load(image, grey).output, "Warning cFormatJPEG::load() bad BPP\n");
    EXPECT_EQ(image.pixels(0), nullptr);
    MemoryStream greyStream(grey.data(), uint32_t(grey.size()));
    EXPECT_EQ(readImage(&greyStream), nullptr); // BMP, PNG and GIF refuse it too

    const Loaded arithmetic = load(image, cjpeg(photoPnm(32, 32), "-arithmetic"));
    EXPECT_EQ(arithmetic.result, -1);
    EXPECT_EQ(arithmetic.output, "Warning cFormatJPEG::load() error\n");

    // An Exif segment ahead of the JFIF one.
    JpegBytes exif = cjpeg(photoPnm(32, 32), "");
    exif.insert(exif.begin() + 2, {0xFF, 0xE1, 0x00, 0x08, 'E', 'x', 'i', 'f', 0, 0});
    MemoryStream exifStream(exif.data(), uint32_t(exif.size()));
    EXPECT_EQ(cFormatJPEG::probe(&exifStream), -1);
    EXPECT_EQ(exifStream.tell(), 0u);
    EXPECT_EQ(readImage(&exifStream), nullptr);
}

TEST(FormatJPEG, AFailurePartwayKeepsTheImageWithBlackRows) {
    if (!haveCjpeg()) GTEST_SKIP() << "cjpeg not installed";
    JpegBytes file = cjpeg(photoPnm(64, 48), "-sample 2x2 -restart 1B");
    // RST marker 4 sits before the first MCU of the second MCU row.
    const size_t marker = findMarker(file, 0xD4);
    ASSERT_NE(marker, std::string::npos);
    file[marker + 1] = 0xD5;
    cFormatJPEG image;
    const Loaded loaded = load(image, file);
    EXPECT_EQ(loaded.result, 0);
    EXPECT_EQ(loaded.output, "error: decoded 16 lines (64 48) -228\n");
    const uint8_t* pixels = image.pixels(0);
    for (int i = 0; i < 64 * 32 * 3; ++i) ASSERT_EQ(pixels[i], 0) << i;

    // A file cut in the entropy-coded data decodes quietly to its end.
    const JpegBytes whole = cjpeg(photoPnm(64, 48), "-sample 2x2");
    const Loaded cut = load(image, JpegBytes(whole.begin(), whole.begin() + whole.size() * 2 / 3));
    EXPECT_EQ(cut.result, 0);
    EXPECT_EQ(cut.output, "");
}
