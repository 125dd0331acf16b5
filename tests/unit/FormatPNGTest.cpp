#include "image/FormatPNG.h"
#include "ImageBytes.h"
#include "image/ImageRefusal.h"
#include "io/MemoryStream.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <utility>

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

// One row of grey samples packed at `bitDepth` bits, or two bytes each for 16 bits.
PngPicture greyRow(int width, int bitDepth, const Bytes& packed, bool alpha = false) {
    PngPicture picture;
    picture.width = width;
    picture.height = 1;
    picture.colourType = alpha ? PNG_COLOR_TYPE_GRAY_ALPHA : PNG_COLOR_TYPE_GRAY;
    picture.bitDepth = bitDepth;
    picture.samples = packed;
    return picture;
}

// Each grey value repeated as blue, green and red, with `alpha` after them when given.
Bytes greyPixels(const Bytes& values, const Bytes& alpha = {}) {
    Bytes pixels;
    for (size_t i = 0; i < values.size(); ++i) {
        pixels.insert(pixels.end(), 3, values[i]);
        if (!alpha.empty()) pixels.push_back(alpha[i]);
    }
    return pixels;
}

TEST(FormatPNG, GreyOfEveryDepthBecomesBgrScaledToTheFullRange) {
    const std::pair<PngPicture, Bytes> cases[] = {
        {greyRow(8, 1, {0xB0}), greyPixels({255, 0, 255, 255, 0, 0, 0, 0})},
        {greyRow(4, 2, {0x1B}), greyPixels({0, 85, 170, 255})},
        {greyRow(3, 4, {0x0F, 0x70}), greyPixels({0, 255, 119})},
        {greyRow(2, 8, {0x00, 0x9A}), greyPixels({0x00, 0x9A})},
        // 16-bit samples keep their high byte, as colour ones do.
        {greyRow(2, 16, {0x12, 0x34, 0xFF, 0x01}), greyPixels({0x12, 0xFF})},
    };
    for (const auto& [picture, expected] : cases) {
        const Decoded grey = decode(encodePng(picture));
        ASSERT_EQ(grey.status, 0) << picture.bitDepth;
        EXPECT_EQ(grey.bitsPerPixel, 24u) << picture.bitDepth;
        EXPECT_EQ(grey.pixels, expected) << picture.bitDepth;
    }
}

TEST(FormatPNG, GreyWithAlphaOrATransparentValueBecomesBgra) {
    const Decoded alpha = decode(encodePng(greyRow(2, 8, {0x10, 0x80, 0xF0, 0xFF}, true)));
    ASSERT_EQ(alpha.status, 0);
    EXPECT_EQ(alpha.bitsPerPixel, 32u);
    EXPECT_EQ(alpha.pixels, greyPixels({0x10, 0xF0}, {0x80, 0xFF}));
    const Decoded deep = decode(encodePng(greyRow(1, 16, {0xAB, 0xCD, 0x40, 0x00}, true)));
    ASSERT_EQ(deep.status, 0);
    EXPECT_EQ(deep.pixels, greyPixels({0xAB}, {0x40}));

    PngPicture keyed = greyRow(3, 8, {0x40, 0x41, 0x40});
    keyed.transparentGrey = 0x40;
    const Decoded transparent = decode(encodePng(keyed));
    ASSERT_EQ(transparent.status, 0);
    EXPECT_EQ(transparent.bitsPerPixel, 32u);
    EXPECT_EQ(transparent.pixels, greyPixels({0x40, 0x41, 0x40}, {0, 255, 0}));

    // Interlaced grey rows land where the plain ones do, bottom row first.
    PngPicture square = greyRow(9, 8, {});
    square.height = 9;
    for (int i = 0; i < 81; ++i) square.samples.push_back(uint8_t(i * 3));
    const Decoded plain = decode(encodePng(square));
    square.interlaced = true;
    const Decoded interlaced = decode(encodePng(square));
    ASSERT_EQ(plain.status, 0);
    EXPECT_EQ(Bytes(plain.pixels.begin(), plain.pixels.begin() + 3), greyPixels({72 * 3}));
    EXPECT_EQ(interlaced.pixels, plain.pixels);
}

TEST(FormatPNG, TheSizeLimitCountsPixels) {
    // 65,535 x 1 is a small picture, whatever its width.
    const Decoded thin = decode(encodePng(greyRow(65535, 8, Bytes(65535, 7))));
    ASSERT_EQ(thin.status, 0);
    EXPECT_EQ(thin.width, 65535);
    EXPECT_EQ(thin.pixels[65534 * 3], 7);

    // 16,385 x 16,385 is refused by its header, before any row is read or memory taken.
    PngPicture huge = greyRow(16385, 8, {});
    huge.height = 16385;
    Bytes header = encodePng(huge);
    append(header, {0, 0, 0, 0, 'I', 'D', 'A', 'T'}); // where the rows would start
    const Decoded refused = decode(header);
    EXPECT_EQ(refused.status, -1);
    EXPECT_STREQ(imageRefusal(),
                 "PNG of 16385 x 16385 pixels is over the limit of 268435456 pixels");
}

TEST(FormatPNG, TruncatedAndCorruptFilesAreRefusedWithLibpngsReason) {
    const Bytes whole = encodePng(rgbPicture(32, 32, false));
    EXPECT_EQ(decode(Bytes(whole.begin(), whole.begin() + whole.size() / 2)).status, -1);
    EXPECT_EQ(decode(Bytes(whole.begin(), whole.begin() + 9)).status, -1);
    EXPECT_STREQ(imageRefusal(), "damaged PNG (unexpected end of data)");
    Bytes corrupt = whole;
    corrupt[40] ^= 0xFF;
    EXPECT_EQ(decode(corrupt).status, -1);
    EXPECT_EQ(std::string(imageRefusal()).rfind("damaged PNG (", 0), 0u) << imageRefusal();
}

namespace {
// A line of /proc/self/status in kB, or -1.
long statusKb(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string prefix = std::string(field) + ":";
    while (std::getline(status, line))
        if (line.rfind(prefix, 0) == 0) return std::stol(line.substr(prefix.size()));
    return -1;
}
} // namespace

// 57 bytes: a 1 x 1 picture's header, then a chunk whose length field says almost 2 GB.
// Memory is what such a file must not cost, so the peak resident size is measured.
TEST(FormatPNG, AChunkClaimingGigabytesCostsNoMemory) {
    const Bytes header = encodePng(greyRow(1, 8, {7}));
    // Writing 5 there makes the peak resident size start again from the current one.
    if (!std::ofstream("/proc/self/clear_refs").good() || statusKb("VmHWM") < 0)
        GTEST_SKIP() << "the peak resident size cannot be reset here";
    for (const char* type : {"zTXt", "iTXt", "sCAL", "sPLT", "tEXt", "pCAL"}) {
        Bytes file(header.begin(), header.begin() + 33); // signature and IHDR
        append(file, {0x7F, 0xFF, 0xFF, 0xF0});
        file.insert(file.end(), type, type + 4);
        file.resize(57, 'a');
        std::ofstream("/proc/self/clear_refs") << "5";
        const long before = statusKb("VmRSS");
        EXPECT_EQ(decode(file).status, -1) << type;
        EXPECT_LT(statusKb("VmHWM") - before, 16 * 1024) << type;
        EXPECT_EQ(std::string(imageRefusal()).rfind("damaged PNG (", 0), 0u) << imageRefusal();
    }
}
