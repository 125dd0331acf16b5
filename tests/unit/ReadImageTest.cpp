#include "image/ReadImage.h"
#include "ImageBytes.h"
#include "TempDir.h"
#include "image/FormatBMP.h"
#include "io/MemoryStream.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

TEST(FormatBMP, LoadsStoredPixelsAndRefusesOutsideTheRules) {
    Bytes file = bmpHeader(8, 2, 24);
    putU32(file, 10, 60); // pixel data after a 6-byte gap
    append(file, Bytes(6, 0xEE));
    for (int i = 0; i < 48; ++i) file.push_back(uint8_t(i));
    MemoryStream stream(file.data(), uint32_t(file.size()));
    cFormatBMP image;
    ASSERT_EQ(image.load(&stream), 0);
    EXPECT_EQ(image.width(), 8);
    EXPECT_EQ(image.height(), 2);
    EXPECT_EQ(image.bitsPerPixel(), 24u);
    for (int i = 0; i < 48; ++i) ASSERT_EQ(image.pixels(0)[i], i);

    // A 3-pixel row of 9 bytes is stored padded to 12; the image's rows are packed.
    Bytes padded = bmpHeader(3, 2, 24);
    for (int row = 0; row < 2; ++row) {
        for (int i = 0; i < 9; ++i) padded.push_back(uint8_t(row * 9 + i));
        append(padded, Bytes(3, 0xEE));
    }
    MemoryStream paddedStream(padded.data(), uint32_t(padded.size()));
    ASSERT_EQ(image.load(&paddedStream), 0);
    for (int i = 0; i < 18; ++i) ASSERT_EQ(image.pixels(0)[i], i);

    Bytes tiny = bmpHeader(8, 8, 24);
    MemoryStream sixteen(tiny.data(), 16);
    EXPECT_EQ(cFormatBMP::probe(&sixteen), -1);
    for (const Bytes& refused :
         {bmpHeader(2049, 1, 24), bmpHeader(8, -8, 24), bmpHeader(8, 8, 8), bmpHeader(8, 0, 32)}) {
        MemoryStream bad(refused.data(), uint32_t(refused.size()));
        EXPECT_EQ(cFormatBMP::probe(&bad), -1);
        EXPECT_EQ(image.load(&bad), -1);
    }
}

TEST(ReadImage, ProbesInOrderAndRewindsAfterAFailedLoad) {
    // A TGA header whose first bytes also spell "BM" is read as TGA.
    Bytes both = bmpHeader(16, 16, 24);
    both[2] = 2;
    putU16(both, 12, 8);
    putU16(both, 14, 8);
    both[16] = 24;
    both.resize(18 + 8 * 8 * 3);
    MemoryStream bothStream(both.data(), uint32_t(both.size()));
    std::unique_ptr<cFormat> tga(readImage(&bothStream));
    ASSERT_TRUE(tga);
    EXPECT_EQ(tga->width(), 8);
    EXPECT_EQ(tga->bitsPerPixel(), 24u);

    // A grey PNG is probed and refused by the PNG reader; nothing else takes it.
    PngPicture grey;
    grey.colourType = PNG_COLOR_TYPE_GRAY;
    grey.samples = Bytes(64, 0x80);
    Bytes greyFile = encodePng(grey);
    MemoryStream greyStream(greyFile.data(), uint32_t(greyFile.size()));
    EXPECT_EQ(readImage(&greyStream), nullptr);

    // An Exif JPEG start and an empty stream: no reader.
    const uint8_t exif[] = {0xFF, 0xD8, 0xFF, 0xE1, 0x00, 0x10, 'E', 'x', 'i', 'f',
                            0,    0,    0,    0,    0,    0,    0,   0,   0};
    MemoryStream exifStream(exif, sizeof(exif));
    EXPECT_EQ(readImage(&exifStream), nullptr);
    MemoryStream empty(nullptr, 0);
    EXPECT_EQ(readImage(&empty), nullptr);
}

TEST(ReadImage, LoadImageOpensThroughTheDataLocator) {
    TempDir dir;
    Bytes file = tgaHeader(3, 8, 8, 8);
    file.resize(18 + 64, 5);
    dir.write("data/textures/grey.tga", asString(file));
    WorkingDirectory cwd(dir.path());
    testing::internal::CaptureStdout();
    std::unique_ptr<cFormat> image(loadImage("grey.tga"));
    std::unique_ptr<cFormat> missing(loadImage("missing.png"));
    dir.write("data/textures/wide.bmp", asString(bmpHeader(2049, 1, 24)) + std::string(6147, 0));
    std::unique_ptr<cFormat> refused(loadImage("wide.bmp"));
    const std::string out = testing::internal::GetCapturedStdout();
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixels(0)[63], 5);
    EXPECT_EQ(missing, nullptr);
    EXPECT_EQ(refused, nullptr);
    EXPECT_NE(out.find("load[data/textures/missing.png]"), std::string::npos);
    EXPECT_EQ(out.find("no reader accepts image missing.png"), std::string::npos);
    EXPECT_NE(out.find("Error: no reader accepts image wide.bmp\n"), std::string::npos);
}
