#include "image/gif/FormatGIF.h"
#include "ImageBytes.h"
#include "io/MemoryStream.h"

#include <gtest/gtest.h>

#include <utility>

namespace {
// Packs codes least significant bit first and wraps them in data sub-blocks of up to 255
// bytes, ended by a 0 size byte; the minimum code size byte comes first.
Bytes codeBlocks(uint8_t minimumCodeSize, const std::vector<std::pair<uint32_t, int>>& codes) {
    Bytes packed;
    uint32_t bits = 0;
    int count = 0;
    for (const auto& [code, width] : codes) {
        bits |= code << count;
        count += width;
        while (count >= 8) {
            packed.push_back(uint8_t(bits));
            bits >>= 8;
            count -= 8;
        }
    }
    if (count > 0) packed.push_back(uint8_t(bits));
    Bytes out{minimumCodeSize};
    for (size_t at = 0; at < packed.size(); at += 255) {
        const size_t length = std::min<size_t>(255, packed.size() - at);
        out.push_back(uint8_t(length));
        out.insert(out.end(), packed.begin() + at, packed.begin() + at + length);
    }
    out.push_back(0);
    return out;
}

Bytes gifStart(int width, int height) {
    Bytes file{'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0, 0x80, 0, 0};
    putU16(file, 6, uint32_t(width));
    putU16(file, 8, uint32_t(height));
    append(file, Bytes(6, 0x11)); // two-entry global palette
    return file;
}

Bytes imageDescriptor(int width, int height) {
    Bytes descriptor{0x2C, 1, 0, 2, 0, 0, 0, 0, 0, 0};
    putU16(descriptor, 5, uint32_t(width));
    putU16(descriptor, 7, uint32_t(height));
    return descriptor;
}

Bytes indicesOf(const GifFrame& frame) {
    return Bytes(frame.indices, frame.indices + frame.width * frame.height);
}
} // namespace

TEST(FormatGIF, FramesTransparencyAndSkippedExtensions) {
    Bytes file = gifStart(10, 6);
    append(file, {0x21, 0xFE, 4, 'a', 0, 'b', 0, 2, 0, 0x2C, 0}); // comment with zero bytes
    append(file, {0x21, 0xF9, 4, 0x01, 0, 0, 5, 0});              // transparent index 5
    append(file, imageDescriptor(2, 2));
    append(file, codeBlocks(2, {{4, 3}, {1, 3}, {0, 3}, {1, 3}, {0, 4}, {5, 4}}));
    append(file, {0x21, 0xFF, 3, 'x', 'y', 'z', 1, 0, 0}); // application block
    Bytes second = imageDescriptor(1, 1);
    second[9] = 0x80; // local palette of two entries
    append(file, second);
    append(file, {1, 2, 3, 4, 5, 6});
    append(file, codeBlocks(2, {{4, 3}, {1, 3}, {5, 3}}));
    file.push_back(0x3B);

    MemoryStream stream(file.data(), uint32_t(file.size()));
    ASSERT_EQ(cFormatGIF::probe(&stream), 1);
    cFormatGIF image;
    ASSERT_EQ(image.load(&stream), 0);
    EXPECT_EQ(image.width(), 10);
    EXPECT_EQ(image.height(), 6);
    EXPECT_EQ(image.bitsPerPixel(), 8u);
    EXPECT_EQ(image.pixels(0), nullptr);
    ASSERT_EQ(image.frameCount(), 2);
    EXPECT_EQ(image.frame(0).left, 1);
    EXPECT_EQ(image.frame(0).top, 2);
    EXPECT_EQ(image.frame(0).transparentIndex, 5);
    EXPECT_EQ(indicesOf(image.frame(0)), (Bytes{1, 0, 1, 0}));
    EXPECT_EQ(image.frame(1).transparentIndex, -1);
    EXPECT_EQ(image.frame(1).hasLocalPalette, 1);
    EXPECT_EQ(image.frame(1).localPalette[5], 6);
    EXPECT_EQ(indicesOf(image.frame(1)), (Bytes{1}));

    const uint8_t gif88[] = {'G', 'I', 'F', '8', '8', 'a', 1, 0, 1, 0, 0, 0, 0};
    MemoryStream wrong(gif88, sizeof(gif88));
    EXPECT_EQ(cFormatGIF::probe(&wrong), -1);
    EXPECT_EQ(image.load(&wrong), -1);
}

TEST(FormatGIF, LzwDefinesTheNextCodeFromItsOwnFirstCharacter) {
    // Whatever the first code is, it clears. After "1", code 6 is not yet defined and
    // stands for "1 1"; defining code 7 widens the codes to 4 bits.
    Bytes file = gifStart(5, 1);
    append(file, imageDescriptor(5, 1));
    append(file, codeBlocks(2, {{3, 3}, {1, 3}, {6, 3}, {2, 3}, {6, 4}, {5, 4}}));
    file.push_back(0x3B);
    MemoryStream stream(file.data(), uint32_t(file.size()));
    cFormatGIF image;
    ASSERT_EQ(image.load(&stream), 0);
    ASSERT_EQ(image.frameCount(), 1);
    // The output stops at the frame's 5 indices although code 6 asks for two more.
    EXPECT_EQ(indicesOf(image.frame(0)), (Bytes{1, 1, 1, 2, 1}));
}

TEST(FormatGIF, FullTableKeepsTwelveBitCodesUntilAClear) {
    // 8-bit literals define codes 258..4095 as they go; after that nothing new is defined
    // and codes stay 12 bits wide.
    std::vector<std::pair<uint32_t, int>> codes{{256, 9}};
    Bytes expected;
    uint32_t next = 258;
    int width = 9;
    for (int i = 0; next < 4096 || i < 4000; ++i) {
        codes.push_back({uint32_t(i % 251), width});
        expected.push_back(uint8_t(i % 251));
        if (i > 0 && next < 4096) ++next;
        if (next > (1u << width) - 1 && width < 12) ++width;
    }
    codes.push_back({258, 12}); // the first defined string: literals 0 and 1
    expected.insert(expected.end(), {0, 1});
    codes.push_back({257, 12});

    Bytes file = gifStart(uint32_t(expected.size()), 1);
    append(file, imageDescriptor(int(expected.size()), 1));
    append(file, codeBlocks(8, codes));
    file.push_back(0x3B);
    MemoryStream stream(file.data(), uint32_t(file.size()));
    cFormatGIF image;
    ASSERT_EQ(image.load(&stream), 0);
    ASSERT_EQ(image.frameCount(), 1);
    EXPECT_EQ(indicesOf(image.frame(0)), expected);
}

TEST(FormatGIF, ShortFilesAndTooManyImagesStopInsideTheBuffers) {
    Bytes many = gifStart(1, 1);
    for (int i = 0; i < 300; ++i) {
        append(many, imageDescriptor(1, 1));
        append(many, codeBlocks(2, {{4, 3}, {1, 3}, {5, 3}}));
    }
    MemoryStream manyStream(many.data(), uint32_t(many.size()));
    cFormatGIF image;
    ASSERT_EQ(image.load(&manyStream), 0);
    EXPECT_EQ(image.frameCount(), cFormatGIF::kMaxFrames);

    Bytes cut = gifStart(4, 4);
    append(cut, imageDescriptor(4, 4));
    append(cut, {2, 200, 0x8C});
    MemoryStream cutStream(cut.data(), uint32_t(cut.size()));
    ASSERT_EQ(image.load(&cutStream), 0);
    ASSERT_EQ(image.frameCount(), 1);

    Bytes huge = gifStart(1, 1);
    append(huge, imageDescriptor(65535, 65535));
    MemoryStream hugeStream(huge.data(), uint32_t(huge.size()));
    ASSERT_EQ(image.load(&hugeStream), 0);
    EXPECT_EQ(image.frameCount(), 0);

    // Four frames of the largest size fill the budget; the fifth ends the reading.
    Bytes budget = gifStart(4096, 4096);
    for (int i = 0; i < 5; ++i) {
        append(budget, imageDescriptor(4096, 4096));
        append(budget, codeBlocks(2, {{4, 3}, {1, 3}, {5, 3}}));
    }
    MemoryStream budgetStream(budget.data(), uint32_t(budget.size()));
    ASSERT_EQ(image.load(&budgetStream), 0);
    EXPECT_EQ(image.frameCount(), 4);
}
