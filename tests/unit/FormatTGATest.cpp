#include "image/FormatTGA.h"
#include "ImageBytes.h"
#include "image/ImageRefusal.h"
#include "io/MemoryStream.h"

#include <gtest/gtest.h>

namespace {
Bytes pixelsOf(cFormat& image) {
    const uint8_t* pixels = image.pixels(0);
    return Bytes(pixels, pixels + image.width() * image.height() * image.bitsPerPixel() / 8);
}
} // namespace

TEST(FormatTGA, ProbeChecksTheHeaderRulesWithoutMovingTheStream) {
    Bytes wide = tgaHeader(2, 2049, 1, 24);
    MemoryStream stream(wide.data(), uint32_t(wide.size()));
    stream.seek(0, Stream::kSet);
    EXPECT_EQ(cFormatTGA::probe(&stream), 1);
    EXPECT_EQ(stream.tell(), 0u);

    for (const Bytes& refused :
         {tgaHeader(2, 4097, 1, 24), tgaHeader(2, 1, 0, 24), tgaHeader(2, -8, 8, 24),
          tgaHeader(4, 8, 8, 24), tgaHeader(2, 8, 8, 15)}) {
        MemoryStream bad(refused.data(), uint32_t(refused.size()));
        EXPECT_EQ(cFormatTGA::probe(&bad), -1);
    }
    Bytes shortFile(17, 0);
    MemoryStream tooShort(shortFile.data(), 17);
    EXPECT_EQ(cFormatTGA::probe(&tooShort), -1);
    EXPECT_EQ(cFormatTGA::probe(nullptr), -1);
}

TEST(FormatTGA, IdentifierIsKeptAndPixelsFollowIt) {
    Bytes file = tgaHeader(2, 2, 1, 24, 5);
    append(file, {'h', 'e', 'l', 'l', 'o'});
    append(file, {1, 2, 3, 4, 5, 6});
    MemoryStream stream(file.data(), uint32_t(file.size()));
    cFormatTGA image;
    ASSERT_EQ(image.load(&stream), 0);
    EXPECT_STREQ(image.imageId(), "hello");
    EXPECT_EQ(image.bitsPerPixel(), 24u);
    EXPECT_EQ(pixelsOf(image), (Bytes{1, 2, 3, 4, 5, 6}));
}

TEST(FormatTGA, RunLengthPacketsRepeatCopyAndCrossRows) {
    // 4 x 2 pixels of 16 bits: a run of 4 (0x83) fills row 0, a raw packet of 4 (0x03)
    // fills row 1.
    Bytes file = tgaHeader(10, 4, 2, 16);
    append(file, {0x83, 0xAA, 0xBB, 0x03, 1, 2, 3, 4, 5, 6, 7, 8});
    MemoryStream stream(file.data(), uint32_t(file.size()));
    cFormatTGA image;
    ASSERT_EQ(image.load(&stream), 0);
    EXPECT_EQ(pixelsOf(image),
              (Bytes{0xAA, 0xBB, 0xAA, 0xBB, 0xAA, 0xBB, 0xAA, 0xBB, 1, 2, 3, 4, 5, 6, 7, 8}));

    // A run of 3 over two rows of 2 pixels, then a run of 128 that must stop at the end.
    Bytes crossing = tgaHeader(11, 2, 2, 8);
    append(crossing, {0x82, 7, 0xFF, 9});
    MemoryStream crossingStream(crossing.data(), uint32_t(crossing.size()));
    ASSERT_EQ(image.load(&crossingStream), 0);
    EXPECT_EQ(pixelsOf(image), (Bytes{7, 7, 7, 9}));

    // A raw packet longer than the picture, then a file that ends early.
    Bytes raw = tgaHeader(11, 2, 1, 8);
    append(raw, {0x7F, 1, 2, 3});
    MemoryStream rawStream(raw.data(), uint32_t(raw.size()));
    ASSERT_EQ(image.load(&rawStream), 0);
    EXPECT_EQ(pixelsOf(image), (Bytes{1, 2}));

    Bytes cut = tgaHeader(10, 4, 4, 32);
    append(cut, {0x81, 1, 2, 3, 4});
    MemoryStream cutStream(cut.data(), uint32_t(cut.size()));
    ASSERT_EQ(image.load(&cutStream), 0);
    Bytes expected(64, 0);
    for (int i = 0; i < 8; ++i) expected[i] = uint8_t(i % 4 + 1);
    EXPECT_EQ(pixelsOf(image), expected);
}

TEST(FormatTGA, ColourMapEntriesAreStoredUnscaledAndNotApplied) {
    Bytes file = tgaHeader(1, 2, 1, 8);
    file[1] = 1;
    putU16(file, 3, 254); // first index
    putU16(file, 5, 4);   // four entries, the last two past the map
    file[7] = 16;
    // 1-5-5-5 words: red 31, green 1, blue 2, alpha 1; then green 31 only.
    append(file, {0x22, 0xFC, 0xE0, 0x03, 0xFF, 0xFF, 0xFF, 0xFF});
    append(file, {9, 200});
    MemoryStream stream(file.data(), uint32_t(file.size()));
    cFormatTGA image;
    ASSERT_EQ(image.load(&stream), 0);
    ASSERT_TRUE(image.hasColourMap());
    const cFormatTGA::MapEntry& a = image.colourMap(254);
    EXPECT_EQ((Bytes{a.red, a.green, a.blue, a.alpha}), (Bytes{31, 1, 2, 1}));
    const cFormatTGA::MapEntry& b = image.colourMap(255);
    EXPECT_EQ((Bytes{b.red, b.green, b.blue, b.alpha}), (Bytes{0, 31, 0, 0}));
    EXPECT_EQ(image.bitsPerPixel(), 8u);
    EXPECT_EQ(pixelsOf(image), (Bytes{9, 200}));

    Bytes wrongEntry = tgaHeader(1, 2, 1, 8);
    wrongEntry[1] = 1;
    putU16(wrongEntry, 5, 1);
    wrongEntry[7] = 8;
    append(wrongEntry, {0, 0, 0});
    MemoryStream wrongStream(wrongEntry.data(), uint32_t(wrongEntry.size()));
    EXPECT_EQ(image.load(&wrongStream), -1);
    EXPECT_STREQ(imageRefusal(), "TGA colour map entries of 8 bits not supported");
}
