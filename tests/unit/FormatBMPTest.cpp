// Hand-made BMP files of every kind the reader expands, with the exact pixels each must give
// (bottom row first, blue first), and the kinds it refuses with their reasons.
#include "image/FormatBMP.h"
#include "ImageBytes.h"
#include "image/ImageRefusal.h"
#include "io/MemoryStream.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {
struct BmpFile {
    int width = 1;
    int height = 1;
    int bits = 24;
    uint32_t compression = 0;
    // 12 (OS/2 1.x), 40, 56, 64 (OS/2 2.x), 124; masks follow a 40-byte header.
    uint32_t infoSize = 40;
    uint32_t colourCount = 0;
    Bytes palette; // entries of 4 bytes, or 3 for the 12-byte header
    std::vector<uint32_t> masks;
    Bytes pixels; // as stored, rows padded by the test
};

Bytes build(const BmpFile& bmp) {
    Bytes file(14 + bmp.infoSize, 0);
    file[0] = 'B';
    file[1] = 'M';
    putU32(file, 14, bmp.infoSize);
    if (bmp.infoSize == 12) {
        putU16(file, 18, uint32_t(bmp.width));
        putU16(file, 20, uint32_t(bmp.height));
        putU16(file, 22, 1);
        putU16(file, 24, uint32_t(bmp.bits));
    } else {
        putU32(file, 18, uint32_t(bmp.width));
        putU32(file, 22, uint32_t(bmp.height));
        putU16(file, 26, 1);
        putU16(file, 28, uint32_t(bmp.bits));
        putU32(file, 30, bmp.compression);
        putU32(file, 46, bmp.colourCount);
    }
    for (size_t i = 0; i < bmp.masks.size(); ++i) {
        if (14 + bmp.infoSize < 54 + 4 * (i + 1)) file.resize(54 + 4 * (i + 1), 0);
        putU32(file, 54 + 4 * i, bmp.masks[i]);
    }
    append(file, bmp.palette);
    putU32(file, 10, uint32_t(file.size()));
    append(file, bmp.pixels);
    putU32(file, 2, uint32_t(file.size()));
    return file;
}

struct LoadedBmp {
    int status;
    int width, height;
    unsigned bitsPerPixel;
    Bytes pixels;
};

LoadedBmp load(const Bytes& file) {
    MemoryStream stream(file.data(), uint32_t(file.size()));
    cFormatBMP image;
    LoadedBmp result{image.load(&stream), image.width(), image.height(), image.bitsPerPixel(), {}};
    if (result.status == 0)
        result.pixels.assign(image.pixels(0), image.pixels(0) + size_t(result.width) *
                                                                    result.height *
                                                                    result.bitsPerPixel / 8);
    return result;
}

// Palette entries 0..3: blue, green, red as stored (reserved byte 0).
const Bytes kPalette{1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 0, 10, 11, 12, 0};
const Bytes kC0{1, 2, 3}, kC1{4, 5, 6}, kC2{7, 8, 9}, kC3{10, 11, 12}, kBlack{0, 0, 0};

Bytes row(std::initializer_list<Bytes> colours) {
    Bytes out;
    for (const Bytes& colour : colours) append(out, colour);
    return out;
}
} // namespace

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
    // Every "BM" file is the BMP reader's; those it cannot take are refused with a reason.
    Bytes embedded = bmpHeader(8, 8, 24);
    putU32(embedded, 30, 5);
    const std::pair<Bytes, const char*> refusals[] = {
        {bmpHeader(2049, 1, 24), "BMP of 2049 x 1 pixels is larger than 2048 a side"},
        {bmpHeader(8, 0, 32), "BMP of 8 x 0 pixels"},
        {bmpHeader(8, 8, 64), "64-bit BMP not supported"},
        {embedded, "BMP holding a PNG picture not supported"},
    };
    for (const auto& [refused, reason] : refusals) {
        MemoryStream bad(refused.data(), uint32_t(refused.size()));
        EXPECT_EQ(cFormatBMP::probe(&bad), 1);
        EXPECT_EQ(image.load(&bad), -1);
        EXPECT_STREQ(imageRefusal(), reason);
    }
}

TEST(FormatBMP, PalettePicturesOfOneTwoFourAndEightBits) {
    BmpFile one;
    one.width = 3;
    one.height = 2;
    one.bits = 1;
    one.palette = Bytes(kPalette.begin(), kPalette.begin() + 8);
    one.pixels = {0xA0, 0, 0, 0, 0x40, 0, 0, 0}; // 1 0 1, then 0 1 0
    LoadedBmp loaded = load(build(one));
    ASSERT_EQ(loaded.status, 0);
    EXPECT_EQ(loaded.bitsPerPixel, 24u);
    EXPECT_EQ(loaded.pixels, row({kC1, kC0, kC1, kC0, kC1, kC0}));

    BmpFile two = one;
    two.height = 1;
    two.bits = 2;
    two.palette = kPalette;
    two.pixels = {0xD8, 0, 0, 0}; // 3 1 2
    EXPECT_EQ(load(build(two)).pixels, row({kC3, kC1, kC2}));

    // Two colours in use: index 5 has no entry and shows black.
    BmpFile four = two;
    four.bits = 4;
    four.colourCount = 2;
    four.palette = Bytes(kPalette.begin(), kPalette.begin() + 8);
    four.pixels = {0x15, 0x00, 0, 0};
    EXPECT_EQ(load(build(four)).pixels, row({kC1, kBlack, kC0}));

    // A negative height stores the top row first; the image is bottom row first all the same.
    BmpFile eight = two;
    eight.width = 2;
    eight.height = -2;
    eight.bits = 8;
    eight.pixels = {3, 2, 0, 0, 1, 0, 0, 0};
    loaded = load(build(eight));
    ASSERT_EQ(loaded.status, 0);
    EXPECT_EQ(loaded.height, 2);
    EXPECT_EQ(loaded.pixels, row({kC1, kC0, kC3, kC2}));
}

TEST(FormatBMP, RunLengthPicturesOfEightAndFourBits) {
    BmpFile rle8;
    rle8.width = 4;
    rle8.height = 3;
    rle8.bits = 8;
    rle8.compression = 1;
    rle8.palette = kPalette;
    rle8.pixels = {1, 1, 0, 3, 1, 2,
                   3, 0, 0, 0,       // row 0: one 1, literal 1 2 3, padding, end of line
                   1, 3, 0, 2, 2, 1, // row 1: one 3, then two right and one up
                   1, 2, 0, 1};      // row 2, x 3: one 2; end of picture
    LoadedBmp loaded = load(build(rle8));
    ASSERT_EQ(loaded.status, 0);
    EXPECT_EQ(loaded.bitsPerPixel, 24u);
    // Pixels no run reaches show entry 0.
    EXPECT_EQ(loaded.pixels, row({kC1, kC1, kC2, kC3, kC3, kC0, kC0, kC0, kC0, kC0, kC0, kC2}));

    BmpFile rle4;
    rle4.width = 5;
    rle4.height = 2;
    rle4.bits = 4;
    rle4.compression = 2;
    rle4.palette = kPalette;
    rle4.palette.resize(16 * 4, 0);
    rle4.palette[4 * 4] = 40;
    // Five literal indices in three bytes, padded to four; a run alternating 2 and 3 that
    // runs past the right edge; then the data just ends.
    rle4.pixels = {0, 5, 0x12, 0x34, 0x00, 0xEE, 0, 0, 7, 0x23};
    loaded = load(build(rle4));
    ASSERT_EQ(loaded.status, 0);
    EXPECT_EQ(loaded.pixels, row({kC1, kC2, kC3, {40, 0, 0}, kC0, kC2, kC3, kC2, kC3, kC2}));
}

TEST(FormatBMP, SixteenAndThirtyTwoBitPixelsThroughTheirMasks) {
    BmpFile rgb555;
    rgb555.width = 2;
    rgb555.bits = 16;
    rgb555.pixels = {0x00, 0x7C, 0xE1, 0x03}; // red 31; green 31 and blue 1
    LoadedBmp loaded = load(build(rgb555));
    ASSERT_EQ(loaded.status, 0);
    EXPECT_EQ(loaded.bitsPerPixel, 24u);
    EXPECT_EQ(loaded.pixels, (Bytes{0, 0, 255, 8, 255, 0}));

    BmpFile rgb565 = rgb555;
    rgb565.width = 1;
    rgb565.compression = 3;
    rgb565.masks = {0xF800, 0x07E0, 0x001F};
    rgb565.pixels = {0x20, 0x08, 0, 0}; // red 1 of 31, green 1 of 63
    EXPECT_EQ(load(build(rgb565)).pixels, (Bytes{0, 4, 8}));

    // An alpha mask in a 56-byte header gives 32 bits.
    BmpFile argb4444 = rgb565;
    argb4444.infoSize = 56;
    argb4444.masks = {0x0F00, 0x00F0, 0x000F, 0xF000};
    argb4444.pixels = {0x21, 0x84, 0, 0};
    loaded = load(build(argb4444));
    ASSERT_EQ(loaded.status, 0);
    EXPECT_EQ(loaded.bitsPerPixel, 32u);
    EXPECT_EQ(loaded.pixels, (Bytes{17, 34, 68, 136}));

    // 32-bit bit fields without an alpha mask give 24 bits; a 10-bit channel is scaled.
    BmpFile wide = rgb565;
    wide.width = 2;
    wide.bits = 32;
    wide.masks = {0x00FF0000, 0x0000FF00, 0x000000FF};
    wide.pixels = {0x44, 0x33, 0x22, 0x11, 0, 0, 0, 0};
    EXPECT_EQ(load(build(wide)).pixels, (Bytes{0x44, 0x33, 0x22, 0, 0, 0}));
    wide.width = 1;
    wide.masks = {0x3FF00000, 0x000FFC00, 0x000003FF};
    wide.pixels = {0x00, 0x00, 0xF8, 0x3F}; // red 1023, green 512, blue 0
    EXPECT_EQ(load(build(wide)).pixels, (Bytes{0, 128, 255}));

    BmpFile v5 = wide;
    v5.infoSize = 124;
    v5.masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
    v5.pixels = {0x33, 0x22, 0x11, 0x00};
    loaded = load(build(v5));
    EXPECT_EQ(loaded.bitsPerPixel, 32u);
    // An alpha mask is taken at its word, even when every alpha is 0.
    EXPECT_EQ(loaded.pixels, (Bytes{0x33, 0x22, 0x11, 0x00}));
}

TEST(FormatBMP, UncompressedThirtyTwoBitsWithAllFourthBytesZeroIsOpaque) {
    BmpFile zero;
    zero.width = 2;
    zero.bits = 32;
    zero.pixels = {1, 2, 3, 0, 4, 5, 6, 0};
    EXPECT_EQ(load(build(zero)).pixels, (Bytes{1, 2, 3, 255, 4, 5, 6, 255}));
    BmpFile some = zero;
    some.pixels[7] = 9;
    EXPECT_EQ(load(build(some)).pixels, (Bytes{1, 2, 3, 0, 4, 5, 6, 9}));

    // Top-down 24-bit rows, padded to four bytes.
    BmpFile topDown;
    topDown.height = -2;
    topDown.pixels = {1, 2, 3, 0, 4, 5, 6, 0};
    EXPECT_EQ(load(build(topDown)).pixels, (Bytes{4, 5, 6, 1, 2, 3}));
}

TEST(FormatBMP, Os2HeadersAreReadOrRefusedWithAReason) {
    // OS/2 1.x: 16-bit sides and 3-byte palette entries.
    BmpFile core;
    core.width = 2;
    core.bits = 8;
    core.infoSize = 12;
    core.palette = {1, 2, 3, 4, 5, 6};
    core.pixels = {1, 0, 0, 0};
    LoadedBmp loaded = load(build(core));
    ASSERT_EQ(loaded.status, 0);
    EXPECT_EQ(loaded.pixels, (Bytes{4, 5, 6, 1, 2, 3}));

    // OS/2 2.x: 64 bytes, the Windows fields first, 4-byte palette entries.
    BmpFile os2 = core;
    os2.infoSize = 64;
    os2.bits = 4;
    os2.palette = kPalette;
    os2.pixels = {0x32, 0, 0, 0};
    EXPECT_EQ(load(build(os2)).pixels, row({kC3, kC2}));

    const std::pair<uint32_t, const char*> refused[] = {{3, "OS/2 Huffman-coded BMP not supported"},
                                                        {4, "OS/2 RLE24 BMP not supported"}};
    for (const auto& [compression, reason] : refused) {
        os2.compression = compression;
        EXPECT_EQ(load(build(os2)).status, -1);
        EXPECT_STREQ(imageRefusal(), reason);
    }
}

TEST(FormatBMP, KindsOutsideTheReaderAreRefusedWithAReason) {
    BmpFile rle = {};
    rle.bits = 4;
    rle.compression = 1;
    BmpFile fields24 = {};
    fields24.compression = 3;
    BmpFile unknown = {};
    unknown.compression = 9;
    const std::pair<BmpFile, const char*> refused[] = {
        {rle, "RLE8 BMP of 4 bits not supported"},
        {fields24, "24-bit BMP with bit fields not supported"},
        {unknown, "BMP compression 9 not supported"},
    };
    for (const auto& [bmp, reason] : refused) {
        EXPECT_EQ(load(build(bmp)).status, -1);
        EXPECT_STREQ(imageRefusal(), reason);
    }
}
