#include "image/FormatPNG.h"
#include "ImageBytes.h"
#include "io/MemoryStream.h"

#include <gtest/gtest.h>

namespace {
// Top row red, the rest a gradient, so orientation and channel order both show.
PngPicture rgbPicture(int width, int height, bool alpha) {
    PngPicture picture;
    picture.width = width;
    picture.height = height;
    picture.colourType = alpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB;
    const int channels = alpha ? 4 : 3;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < channels; ++c)
                picture.samples.push_back(y == 0 ? (c == 0   ? 255
                                                    : c == 3 ? 128
                                                             : 0)
                                                 : uint8_t(x * 16 + y * 3 + c));
    return picture;
}

struct Decoded {
    int status;
    int width, height;
    unsigned bitsPerPixel;
    Bytes pixels;
};

Decoded decode(const Bytes& file) {
    MemoryStream stream(file.data(), uint32_t(file.size()));
    cFormatPNG image;
    Decoded result{image.load(&stream), image.width(), image.height(), image.bitsPerPixel(), {}};
    if (result.status == 0)
        result.pixels.assign(image.pixels(0), image.pixels(0) + result.width * result.height *
                                                                    result.bitsPerPixel / 8);
    return result;
}
} // namespace

TEST(FormatPNG, RgbComesOutBottomRowFirstAndBlueFirst) {
    const Decoded rgb = decode(encodePng(rgbPicture(8, 4, false)));
    ASSERT_EQ(rgb.status, 0);
    EXPECT_EQ(rgb.width, 8);
    EXPECT_EQ(rgb.height, 4);
    EXPECT_EQ(rgb.bitsPerPixel, 24u);
    // The picture's top row is the last row in memory: B, G, R = 0, 0, 255.
    EXPECT_EQ(Bytes(rgb.pixels.end() - 3, rgb.pixels.end()), (Bytes{0, 0, 255}));
    // Bottom row (y = 3), pixel 1: samples 16 + 9 + c, stored blue first.
    EXPECT_EQ(Bytes(rgb.pixels.begin() + 3, rgb.pixels.begin() + 6), (Bytes{27, 26, 25}));

    const Decoded rgba = decode(encodePng(rgbPicture(8, 4, true)));
    ASSERT_EQ(rgba.status, 0);
    EXPECT_EQ(rgba.bitsPerPixel, 32u);
    EXPECT_EQ(Bytes(rgba.pixels.end() - 4, rgba.pixels.end()), (Bytes{0, 0, 255, 128}));
}

TEST(FormatPNG, SixteenBitInterlacedAndPaletteFilesDecodeToTheSamePixels) {
    PngPicture wide = rgbPicture(16, 16, true);
    const Decoded plain = decode(encodePng(wide));
    wide.interlaced = true;
    const Decoded interlaced = decode(encodePng(wide));
    ASSERT_EQ(interlaced.status, 0);
    EXPECT_EQ(interlaced.pixels, plain.pixels);

    PngPicture deep = wide;
    deep.bitDepth = 16;
    deep.samples.clear();
    for (uint8_t sample : wide.samples) deep.samples.insert(deep.samples.end(), {sample, 0x7F});
    const Decoded sixteen = decode(encodePng(deep));
    ASSERT_EQ(sixteen.status, 0);
    EXPECT_EQ(sixteen.bitsPerPixel, 32u);
    EXPECT_EQ(sixteen.pixels, plain.pixels);

    PngPicture indexed;
    indexed.width = 4;
    indexed.height = 1;
    indexed.colourType = PNG_COLOR_TYPE_PALETTE;
    indexed.bitDepth = 4;
    indexed.palette = {{10, 20, 30}, {40, 50, 60}};
    indexed.samples = {0x01, 0x10};
    const Decoded opaque = decode(encodePng(indexed));
    ASSERT_EQ(opaque.status, 0);
    EXPECT_EQ(opaque.bitsPerPixel, 24u);
    EXPECT_EQ(opaque.pixels, (Bytes{30, 20, 10, 60, 50, 40, 60, 50, 40, 30, 20, 10}));
    indexed.paletteAlpha = {0};
    const Decoded transparent = decode(encodePng(indexed));
    ASSERT_EQ(transparent.status, 0);
    EXPECT_EQ(transparent.bitsPerPixel, 32u);
    EXPECT_EQ(Bytes(transparent.pixels.begin(), transparent.pixels.begin() + 8),
              (Bytes{30, 20, 10, 0, 60, 50, 40, 255}));
}

TEST(FormatPNG, GreyTruncatedAndCorruptFilesAreRefused) {
    PngPicture grey;
    grey.colourType = PNG_COLOR_TYPE_GRAY_ALPHA;
    grey.samples = Bytes(8 * 8 * 2, 0x40);
    EXPECT_EQ(decode(encodePng(grey)).status, -1);

    const Bytes whole = encodePng(rgbPicture(32, 32, false));
    EXPECT_EQ(decode(Bytes(whole.begin(), whole.begin() + whole.size() / 2)).status, -1);
    EXPECT_EQ(decode(Bytes(whole.begin(), whole.begin() + 9)).status, -1);
    Bytes corrupt = whole;
    corrupt[40] ^= 0xFF;
    EXPECT_EQ(decode(corrupt).status, -1);
}
