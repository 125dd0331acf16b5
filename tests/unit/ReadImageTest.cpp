#include "image/ReadImage.h"
#include "ImageBytes.h"
#include "TempDir.h"
#include "image/ImageRefusal.h"
#include "io/MemoryStream.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <utility>

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

    // A truncated PNG is probed and refused by the PNG reader; nothing else takes it.
    PngPicture grey;
    grey.colourType = PNG_COLOR_TYPE_GRAY;
    grey.samples = Bytes(64, 0x80);
    Bytes greyFile = encodePng(grey);
    greyFile.resize(greyFile.size() - 20);
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
    dir.write("data/textures/noise.png", std::string(64, 'x'));
    std::unique_ptr<cFormat> unknown(loadImage("noise.png"));
    const std::string out = testing::internal::GetCapturedStdout();
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixels(0)[63], 5);
    EXPECT_EQ(missing, nullptr);
    EXPECT_EQ(refused, nullptr);
    EXPECT_EQ(unknown, nullptr);
    EXPECT_NE(out.find("load[data/textures/missing.png]"), std::string::npos);
    EXPECT_EQ(out.find("image missing.png"), std::string::npos);
    // One line each: the reason when a reader knew the format, otherwise that none did.
    EXPECT_NE(out.find("load[data/textures/wide.bmp]\n"
                       "Error: image wide.bmp: BMP of 2049 x 1 pixels is larger than 2048 a side\n"
                       "load[data/textures/noise.png]\n"
                       "Error: no reader accepts image noise.png\n"),
              std::string::npos)
        << out;
}

TEST(ReadImage, AGifIsItsFramesForPluginsAndItsFirstFrameForTextures) {
    TempDir dir;
    // A 2 x 1 screen; its one image covers the right pixel with palette entry 1.
    const Bytes gif{'G', 'I',  'F', '8', '9', 'a', 2, 0, 1, 0, 0x80, 0, 0, 1,    2,    3, 4,   5,
                    6,   0x2C, 1,   0,   0,   0,   1, 0, 1, 0, 0,    2, 2, 0x4C, 0x01, 0, 0x3B};
    dir.write("data/textures/dot.gif", asString(gif));
    dir.write("data/textures/empty.gif", asString(Bytes(gif.begin(), gif.begin() + 19)) + ";");
    WorkingDirectory cwd(dir.path());
    testing::internal::CaptureStdout();
    std::unique_ptr<cFormat> frames(loadImage("dot.gif"));
    std::unique_ptr<cFormat> picture(loadTextureImage("dot.gif"));
    std::unique_ptr<cFormat> empty(loadTextureImage("empty.gif"));
    const std::string out = testing::internal::GetCapturedStdout();
    ASSERT_TRUE(frames);
    EXPECT_EQ(frames->bitsPerPixel(), 8u);
    EXPECT_EQ(frames->pixels(0), nullptr);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->bitsPerPixel(), 32u);
    EXPECT_EQ(Bytes(picture->pixels(0), picture->pixels(0) + 8), (Bytes{0, 0, 0, 0, 6, 5, 4, 255}));
    EXPECT_EQ(empty, nullptr);
    EXPECT_NE(out.find("Error: image empty.gif: GIF without an image\n"), std::string::npos) << out;

    // A frame as wide as the screen whose data ends after one pixel: the rest is transparent.
    Bytes cut = gif;
    cut[20] = 0; // left
    cut[24] = 2; // width
    MemoryStream cutStream(cut.data(), uint32_t(cut.size()));
    std::unique_ptr<cFormat> partial(readTextureImage(&cutStream));
    ASSERT_TRUE(partial);
    EXPECT_EQ(Bytes(partial->pixels(0), partial->pixels(0) + 8), (Bytes{6, 5, 4, 255, 0, 0, 0, 0}));

    // A first frame over the frame limit is named as such, not as a GIF without an image.
    Bytes oversized = gif;
    oversized[24] = oversized[26] = 0x01; // 4097 x 4097
    oversized[25] = oversized[27] = 0x10;
    MemoryStream oversizedStream(oversized.data(), uint32_t(oversized.size()));
    EXPECT_EQ(std::unique_ptr<cFormat>(readTextureImage(&oversizedStream)), nullptr);
    EXPECT_STREQ(imageRefusal(),
                 "GIF's first frame of 4097 x 4097 pixels is over the limit of 16777216 pixels");
}
