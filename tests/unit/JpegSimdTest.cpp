#include "image/jpeg/JpegSimd.h"
#include "JpegTestFiles.h"
#include "image/jpeg/JpegColour.h"
#include "image/jpeg/JpegIdct.h"

#include <gtest/gtest.h>

#include <random>

namespace {
// Coefficient blocks of every kind: sparse and dense, photo-sized and the extremes that
// make the 32-bit arithmetic wrap and the row results saturate.
std::vector<std::vector<int16_t>> testBlocks() {
    std::mt19937 random(5);
    std::vector<std::vector<int16_t>> blocks;
    for (int kind = 0; kind < 6; ++kind) {
        for (int n = 0; n < 300; ++n) {
            std::vector<int16_t> block(64, 0);
            for (int i = 0; i < 64; ++i) {
                const uint32_t r = random();
                switch (kind) {
                case 0:
                    block[i] = i == 0 ? int16_t(r % 2048) - 1024 : 0;
                    break;
                case 1:
                    block[i] = (r % 5 == 0) ? int16_t(int(r % 512) - 256) : 0;
                    break;
                case 2:
                    block[i] = int16_t(int(r % 2048) - 1024);
                    break;
                case 3:
                    block[i] = int16_t(r);
                    break;
                case 4:
                    block[i] = (r & 1) ? 32767 : -32768;
                    break;
                default:
                    block[i] = (i % 9 == 0) ? int16_t(r) : 0;
                    break;
                }
            }
            blocks.push_back(block);
        }
    }
    return blocks;
}

std::vector<uint8_t> transformed(JpegIdctFunction idct, const std::vector<int16_t>& block) {
    std::vector<uint8_t> out(16 * 8, 0xAA);
    idct(block.data(), out.data(), 16);
    return out;
}
} // namespace

TEST(JpegSimd, InverseTransformsGiveTheIntegerBytes) {
    for (const std::vector<int16_t>& block : testBlocks()) {
        const std::vector<uint8_t> expected = transformed(jpegIdct, block);
        ASSERT_EQ(transformed(jpegSse2Idct(), block), expected);
        ASSERT_EQ(transformed(jpegSimdIdct(), block), expected);
    }
    for (int dc : {-32768, -1025, -7, 0, 5, 1023, 32767}) {
        std::vector<int16_t> block(64, 0);
        block[0] = int16_t(dc);
        std::vector<uint8_t> flat(16 * 8, 0xAA);
        jpegIdctDcOnly(int16_t(dc), flat.data(), 16);
        EXPECT_EQ(flat, transformed(jpegIdct, block)) << dc;
    }
}

TEST(JpegSimd, ColourConversionGivesTheTableBytes) {
    std::mt19937 random(9);
    for (int width = 1; width <= 41; ++width) {
        for (int shift = 0; shift < 2; ++shift) {
            std::vector<uint8_t> y(48), cb(48), cr(48);
            for (size_t i = 0; i < y.size(); ++i) {
                y[i] = uint8_t(random());
                cb[i] = uint8_t(random());
                cr[i] = uint8_t(random());
            }
            std::vector<uint8_t> expected(48 * 4), sse2(48 * 4), simd(48 * 4);
            jpegConvertRow(y.data(), cb.data(), cr.data(), expected.data(), width, shift);
            jpegSse2ConvertRow()(y.data(), cb.data(), cr.data(), sse2.data(), width, shift);
            jpegSimdConvertRow()(y.data(), cb.data(), cr.data(), simd.data(), width, shift);
            ASSERT_TRUE(std::equal(expected.begin(), expected.begin() + width * 4, sse2.begin()));
            ASSERT_TRUE(std::equal(expected.begin(), expected.begin() + width * 4, simd.begin()));
        }
    }
}

TEST(JpegSimd, BgrStoreWritesExactlyTheRow) {
    std::vector<uint8_t> rgbx(20 * 4);
    for (size_t i = 0; i < rgbx.size(); ++i) rgbx[i] = uint8_t(i * 7 + 1);
    for (int width = 0; width <= 20; ++width) {
        std::vector<uint8_t> expected(64, 0xEE), stored(64, 0xEE);
        jpegStoreBgrScalar(rgbx.data(), expected.data(), width);
        jpegStoreBgr()(rgbx.data(), stored.data(), width);
        EXPECT_EQ(stored, expected) << width;
        if (width > 0) {
            EXPECT_EQ(expected[3 * width - 1], rgbx[4 * width - 4]);
        }
        EXPECT_EQ(expected[3 * width], 0xEE);
    }
}

TEST(JpegSimd, WholeFilesDecodeToTheSameBytes) {
    if (!haveCjpeg()) GTEST_SKIP() << "cjpeg not installed";
    const std::string picture = photoPnm(99, 61);
    for (const char* options :
         {"-sample 1x1", "-sample 2x1", "-sample 1x2", "-sample 2x2", "-progressive -quality 98"}) {
        SCOPED_TRACE(options);
        const JpegBytes file = cjpeg(picture, options);
        const DecodedJpeg simd = decodeJpeg(file, true);
        EXPECT_EQ(simd.rows, 61);
        EXPECT_EQ(simd.pixels, decodeJpeg(file, false).pixels);
    }
}
