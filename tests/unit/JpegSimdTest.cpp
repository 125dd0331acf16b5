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

// Every vector level this processor can run.
std::vector<JpegSimdLevel> simdLevels() {
    std::vector<JpegSimdLevel> levels;
    for (JpegSimdLevel level : {JpegSimdLevel::Sse2, JpegSimdLevel::Avx2})
        if (int(level) <= int(jpegSupportedSimdLevel())) levels.push_back(level);
    return levels;
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
        for (JpegSimdLevel level : simdLevels())
            ASSERT_EQ(transformed(jpegKernels(level).idct, block), expected) << int(level);
    }
    for (int dc : {-32768, -1025, -7, 0, 5, 1023, 32767}) {
        std::vector<int16_t> block(64, 0);
        block[0] = int16_t(dc);
        std::vector<uint8_t> flat(16 * 8, 0xAA);
        jpegIdctDcOnly(int16_t(dc), flat.data(), 16);
        EXPECT_EQ(flat, transformed(jpegIdct, block)) << dc;
    }
}

TEST(JpegSimd, SparseTransformsGiveTheIntegerBytes) {
    for (std::vector<int16_t> block : testBlocks()) {
        for (int i = 0; i < 64; ++i)
            if (i / 8 >= 4 || i % 8 >= 4) block[i] = 0;
        const std::vector<uint8_t> expected = transformed(jpegIdct, block);
        for (JpegSimdLevel level : simdLevels())
            ASSERT_EQ(transformed(jpegKernels(level).idctSparse, block), expected) << int(level);
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
            std::vector<uint8_t> expected(48 * 4);
            jpegConvertRow(y.data(), cb.data(), cr.data(), expected.data(), width, shift);
            for (JpegSimdLevel level : simdLevels()) {
                std::vector<uint8_t> simd(48 * 4);
                jpegKernels(level).convertRow(y.data(), cb.data(), cr.data(), simd.data(), width,
                                              shift);
                ASSERT_TRUE(
                    std::equal(expected.begin(), expected.begin() + width * 4, simd.begin()))
                    << int(level);
            }
        }
    }
}

TEST(JpegSimd, OnePassBgrConversionGivesTheTwoPassBytes) {
    std::mt19937 random(11);
    for (int width = 1; width <= 150; width += (width < 40 ? 1 : 37)) {
        for (int shift = 0; shift < 2; ++shift) {
            std::vector<uint8_t> y(160), cb(160), cr(160);
            for (size_t i = 0; i < y.size(); ++i) {
                y[i] = uint8_t(random());
                cb[i] = uint8_t(random());
                cr[i] = uint8_t(random());
            }
            std::vector<uint8_t> rgbx(176 * 4), expected(3 * width + 8, 0xEE);
            jpegConvertRow(y.data(), cb.data(), cr.data(), rgbx.data(), width, shift);
            jpegStoreBgr(rgbx.data(), expected.data(), width);
            for (JpegSimdLevel level :
                 {JpegSimdLevel::None, JpegSimdLevel::Sse2, JpegSimdLevel::Avx2}) {
                if (int(level) > int(jpegSupportedSimdLevel())) continue;
                std::vector<uint8_t> bgr(3 * width + 8, 0xEE);
                jpegKernels(level).convertRowBgr(y.data(), cb.data(), cr.data(), bgr.data(), width,
                                                 shift);
                ASSERT_EQ(bgr, expected) << width << " " << shift << " " << int(level);
            }
        }
    }
}

TEST(JpegSimd, OnePassBgrConversionCoversEveryChromaPair) {
    std::vector<uint8_t> y(272), cb(272), cr(272), rgbx(272 * 4);
    for (int red = 0; red < 256; ++red) {
        for (int x = 0; x < 256; ++x) {
            y[x] = uint8_t((x * 7 + red) % 3 == 0 ? 0 : (x * 7 + red) % 3 == 1 ? 255 : x ^ red);
            cb[x] = uint8_t(x);
            cr[x] = uint8_t(red);
        }
        std::vector<uint8_t> expected(256 * 3), bgr(256 * 3);
        jpegConvertRow(y.data(), cb.data(), cr.data(), rgbx.data(), 256, 0);
        jpegStoreBgr(rgbx.data(), expected.data(), 256);
        jpegKernels(jpegSupportedSimdLevel())
            .convertRowBgr(y.data(), cb.data(), cr.data(), bgr.data(), 256, 0);
        ASSERT_EQ(bgr, expected) << red;
    }
}

TEST(JpegSimd, BgrStoreWritesExactlyTheRow) {
    std::vector<uint8_t> rgbx(20 * 4);
    for (size_t i = 0; i < rgbx.size(); ++i) rgbx[i] = uint8_t(i * 7 + 1);
    for (int width = 0; width <= 20; ++width) {
        std::vector<uint8_t> expected(64, 0xEE);
        jpegStoreBgr(rgbx.data(), expected.data(), width);
        for (JpegSimdLevel level : simdLevels()) {
            std::vector<uint8_t> stored(64, 0xEE);
            jpegKernels(level).storeBgr(rgbx.data(), stored.data(), width);
            EXPECT_EQ(stored, expected) << width << " " << int(level);
        }
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
        const DecodedJpeg integer = decodeJpeg(file, false);
        EXPECT_EQ(integer.rows, 61);
        for (JpegSimdLevel level : simdLevels()) {
            jpegForceSimdLevel(level);
            ASSERT_EQ(jpegSimdLevel(), level);
            EXPECT_EQ(decodeJpeg(file, true).pixels, integer.pixels) << int(level);
        }
        jpegForceSimdLevel(jpegSupportedSimdLevel());
    }
}
