// The BMP reader: stored pixels without row padding, and the files it refuses.
#include "image/FormatBMP.h"
#include "ImageBytes.h"
#include "io/MemoryStream.h"

#include <gtest/gtest.h>

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
