#include "JpegTestFiles.h"
#include "image/jpeg/JpegError.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <set>
#include <string>
#include <vector>

namespace {
// Hand-built marker streams: each helper appends one segment.
struct Stream8 {
    // Built by hand: GCC 12 at -O2 takes the initializer-list form for uninitialised.
    JpegBytes bytes = startOfImage();

    static JpegBytes startOfImage() {
        JpegBytes start(2, 0xFF);
        start[1] = 0xD8;
        return start;
    }

    Stream8& segment(int marker, std::initializer_list<int> payload) {
        return segment(marker, JpegBytes(payload.begin(), payload.end()));
    }
    Stream8& segment(int marker, const JpegBytes& payload) {
        const size_t length = payload.size() + 2;
        bytes.insert(bytes.end(), {0xFF, uint8_t(marker), uint8_t(length >> 8), uint8_t(length)});
        bytes.insert(bytes.end(), payload.begin(), payload.end());
        return *this;
    }
    Stream8& raw(std::initializer_list<int> values) {
        bytes.insert(bytes.end(), values.begin(), values.end());
        return *this;
    }
    // Table 0 of 8-bit entries, all 1.
    Stream8& quant(int id = 0) {
        JpegBytes payload(65, 1);
        payload[0] = uint8_t(id);
        return segment(0xDB, payload);
    }
    // One 1-bit code, symbol 0: category 0 for DC, end of block for AC.
    Stream8& huffman(int classAndId) {
        JpegBytes payload(18, 0);
        payload[0] = uint8_t(classAndId);
        payload[1] = 1;
        return segment(0xC4, payload);
    }
    Stream8& frame(int marker, int width, int height, std::initializer_list<int> sampling,
                   int precision = 8) {
        JpegBytes payload{uint8_t(precision),  uint8_t(height >> 8), uint8_t(height),
                          uint8_t(width >> 8), uint8_t(width),       uint8_t(sampling.size())};
        int id = 1;
        for (int s : sampling) payload.insert(payload.end(), {uint8_t(id++), uint8_t(s), 0});
        return segment(marker, payload);
    }
    Stream8& scan(std::initializer_list<int> ids, int start = 0, int end = 63,
                  int approximation = 0) {
        JpegBytes payload{uint8_t(ids.size())};
        for (int id : ids) payload.insert(payload.end(), {uint8_t(id), 0x00});
        payload.insert(payload.end(), {uint8_t(start), uint8_t(end), uint8_t(approximation)});
        return segment(0xDA, payload);
    }
    // A grey 16 x 8 baseline image, every block flat mid-grey.
    static Stream8 tinyGrey() {
        Stream8 s;
        s.quant().huffman(0x00).huffman(0x10).frame(0xC0, 16, 8, {0x11}).scan({1});
        s.raw({0x00, 0xFF, 0xD9});
        return s;
    }
};

int finalError(const JpegBytes& bytes) {
    return decodeJpeg(bytes).errorCode;
}
} // namespace

TEST(JpegDecoder, MatchesTheOracleInEverySamplingLayout) {
    if (!haveCjpeg()) GTEST_SKIP() << "cjpeg not installed";
    const std::string picture = photoPnm(203, 141);
    for (const char* sampling : {"1x1", "2x1", "1x2", "2x2"}) {
        SCOPED_TRACE(sampling);
        const JpegBytes baseline = cjpeg(picture, std::string("-quality 90 -sample ") + sampling);
        const DecodedJpeg decoded = decodeJpeg(baseline);
        ASSERT_EQ(decoded.lastResult, 1);
        EXPECT_EQ(decoded.rows, 141);
        EXPECT_EQ(decoded.rowBytes, 203 * 4);
        // Rows first instead of columns first in the transform and the rounding of the
        // colour constants: at most 3 levels apart.
        EXPECT_LE(largestDifference(rgbOf(decoded), oracleDecode(baseline)), 3);
        const JpegBytes progressive =
            cjpeg(picture, std::string("-quality 90 -progressive -sample ") + sampling);
        EXPECT_EQ(decodeJpeg(progressive).pixels, decoded.pixels);
    }
    const std::string grey = photoPnm(77, 50, true);
    const JpegBytes greyFile = cjpeg(grey, "-quality 75");
    const DecodedJpeg decoded = decodeJpeg(greyFile);
    EXPECT_EQ(decoded.components, 1);
    EXPECT_EQ(decoded.rowBytes, 77);
    EXPECT_LE(largestDifference(decoded.pixels, oracleDecode(greyFile)), 1);
    EXPECT_EQ(decodeJpeg(cjpeg(grey, "-quality 75 -progressive")).pixels, decoded.pixels);
}

TEST(JpegDecoder, RestartMarkersCycleAndAWrongNumberLosesAnInterval) {
    if (!haveCjpeg()) GTEST_SKIP() << "cjpeg not installed";
    const std::string picture = photoPnm(160, 48);
    const DecodedJpeg plain = decodeJpeg(cjpeg(picture, "-sample 2x2"));
    JpegBytes restarts = cjpeg(picture, "-sample 2x2 -restart 1B");
    const DecodedJpeg withRestarts = decodeJpeg(restarts);
    EXPECT_EQ(withRestarts.lastResult, 1);
    EXPECT_EQ(withRestarts.pixels, plain.pixels); // 30 MCUs: RST0..RST7 cycle three times
    EXPECT_NE(findMarker(restarts, 0xD7), std::string::npos);
    EXPECT_EQ(decodeJpeg(cjpeg(picture, "-sample 2x2 -progressive -restart 1B")).pixels,
              plain.pixels);

    // RST1 before MCU 2 (x 32..47 of the top MCU row) numbered RST2: MCU 2 is taken as lost
    // and grey, its data shown as MCU 3; the true RST2 after it is then one behind and is
    // passed over with MCU 3's data, and RST3 puts MCU 4 back in its place.
    const size_t second = findMarker(restarts, 0xD1);
    ASSERT_NE(second, std::string::npos);
    restarts[second + 1] = 0xD2;
    const DecodedJpeg skipped = decodeJpeg(restarts);
    EXPECT_EQ(skipped.lastResult, 1);
    EXPECT_EQ(skipped.errorCode, 0);
    ASSERT_EQ(skipped.rows, 48);
    const size_t rowBytes = 160 * 4;
    for (size_t y = 0; y < 48; ++y) {
        const uint8_t* got = skipped.pixels.data() + y * rowBytes;
        const uint8_t* want = plain.pixels.data() + y * rowBytes;
        if (y >= 16) {
            ASSERT_TRUE(std::equal(got, got + rowBytes, want)) << y;
            continue;
        }
        EXPECT_TRUE(std::equal(got, got + 32 * 4, want)) << y;
        EXPECT_TRUE(std::equal(got + 48 * 4, got + 64 * 4, want + 32 * 4)) << y;
        EXPECT_TRUE(std::equal(got + 64 * 4, got + rowBytes, want + 64 * 4)) << y;
        for (size_t x = 32; x < 48; ++x) EXPECT_EQ(got[x * 4 + 1], 128) << y << " " << x;
    }
}

TEST(JpegDecoder, ATruncatedFileDecodesToTheEnd) {
    if (!haveCjpeg()) GTEST_SKIP() << "cjpeg not installed";
    const std::string picture = photoPnm(256, 256);
    for (const bool progressive : {false, true}) {
        SCOPED_TRACE(progressive);
        const JpegBytes file = cjpeg(picture, progressive ? "-progressive" : "-sample 2x2");
        const JpegBytes cut(file.begin(), file.begin() + file.size() / 2);
        const DecodedJpeg decoded = decodeJpeg(cut);
        EXPECT_EQ(decoded.errorCode, 0);
        EXPECT_EQ(decoded.lastResult, 1);
        EXPECT_EQ(decoded.rows, 256);
        if (progressive) continue;
        // The first MCU row of the sequential file lies wholly before the cut.
        const DecodedJpeg whole = decodeJpeg(file);
        const size_t firstMcuRow = 16 * 256 * 4;
        EXPECT_TRUE(std::equal(whole.pixels.begin(), whole.pixels.begin() + firstMcuRow,
                               decoded.pixels.begin()));
    }
}

TEST(JpegDecoder, RowGeometryFollowsTheMcuLayout) {
    if (!haveCjpeg()) GTEST_SKIP() << "cjpeg not installed";
    const DecodedJpeg decoded = decodeJpeg(cjpeg(photoPnm(100, 20), "-sample 2x2"));
    EXPECT_EQ(decoded.rowBytes, 400);
    EXPECT_EQ(decoded.rows, 20);
    EXPECT_EQ(decoded.pixels.size(), 400u * 20);

    const DecodedJpeg wide = decodeJpeg(cjpeg(photoPnm(8193, 8), "-sample 1x1"));
    EXPECT_EQ(wide.constructError, kJpegWidthInvalid);
    EXPECT_EQ(wide.beginResult, -1);
}

TEST(JpegDecoder, ArithmeticCodingIsRefused) {
    if (!haveCjpeg()) GTEST_SKIP() << "cjpeg not installed";
    EXPECT_EQ(decodeJpeg(cjpeg(photoPnm(16, 16), "-arithmetic")).constructError,
              kJpegArithmeticCoding);
    EXPECT_EQ(decodeJpeg(cjpeg(photoPnm(16, 16), "-arithmetic -progressive")).constructError,
              kJpegArithmeticCoding);
    Stream8 dac;
    dac.segment(0xCC, {0x00, 0x10});
    EXPECT_EQ(finalError(dac.bytes), kJpegArithmeticCoding);
}

TEST(JpegDecoder, FindsTheStartWithinItsBudget) {
    const JpegBytes tiny = Stream8::tinyGrey().bytes;
    const DecodedJpeg plain = decodeJpeg(tiny);
    ASSERT_EQ(plain.lastResult, 1);
    EXPECT_EQ(plain.pixels, JpegBytes(16 * 8, 128));

    JpegBytes padded(511 + tiny.size(), 0x00);
    std::copy(tiny.begin(), tiny.end(), padded.begin() + 511); // SOI as bytes 512 and 513
    EXPECT_EQ(decodeJpeg(padded).pixels, plain.pixels);
    padded.insert(padded.begin(), 0x00);
    EXPECT_EQ(finalError(padded), kJpegNoStart);
    EXPECT_EQ(finalError({0x12, 0xFF, 0xD8, 0x00, 0xFF, 0xD9}), kJpegNoStart);

    // Extended sequential frames decode like baseline ones.
    JpegBytes extended = tiny;
    extended[findMarker(extended, 0xC0) + 1] = 0xC1;
    EXPECT_EQ(decodeJpeg(extended).pixels, plain.pixels);
}

TEST(JpegDecoder, RefusesBrokenHeadersWithTheirCodes) {
    struct Case {
        const char* what;
        Stream8 stream;
        int code;
    };
    auto grey = [] { return Stream8().quant().huffman(0x00).huffman(0x10); };
    JpegBytes manySymbols(18 + 256, 0);
    manySymbols[16] = 255;
    manySymbols[15] = 1;
    const std::vector<Case> cases = {
        {"counts over 255", Stream8().segment(0xC4, manySymbols), kJpegHuffmanCountsTooLarge},
        {"table slot 8", Stream8().huffman(0x08), kJpegHuffmanSlotInvalid},
        {"DHT without its symbol",
         Stream8().segment(0xC4, {0x00, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}),
         kJpegHuffmanSegmentShort},
        // A short segment still reports a bad slot or too many codes first.
        {"short DHT, slot 8", Stream8().segment(0xC4, {0x08, 1}), kJpegHuffmanSlotInvalid},
        {"short DHT, counts over 255", Stream8().segment(0xC4, {0x00, 200, 100}),
         kJpegHuffmanCountsTooLarge},
        {"DHT length 1", Stream8().raw({0xFF, 0xC4, 0, 1}), kJpegHuffmanSegmentShort},
        {"DQT length 1", Stream8().raw({0xFF, 0xDB, 0, 1}), kJpegQuantSegmentShort},
        {"DQT table 4", Stream8().quant(4), kJpegQuantTableInvalid},
        {"DQT short", Stream8().segment(0xDB, {0x10, 1, 2, 3}), kJpegQuantTableShort},
        {"12-bit", grey().frame(0xC0, 8, 8, {0x11}, 12), kJpegPrecisionUnsupported},
        {"height 0", grey().frame(0xC0, 8, 0, {0x11}), kJpegHeightInvalid},
        {"height 8193", grey().frame(0xC0, 8, 8193, {0x11}), kJpegHeightInvalid},
        {"width 0", grey().frame(0xC0, 0, 8, {0x11}), kJpegWidthInvalid},
        {"5 components", grey().frame(0xC0, 8, 8, {0x11, 0x11, 0x11, 0x11, 0x11}),
         kJpegTooManyComponents},
        {"SOF length", grey().segment(0xC0, {8, 0, 8, 0, 8, 1, 1, 0x11, 0, 0}),
         kJpegFrameLengthInvalid},
        {"APP1 length 1", Stream8().raw({0xFF, 0xE1, 0, 1}), kJpegSegmentLengthInvalid},
        {"DRI length 5", Stream8().segment(0xDD, {0, 1, 0}), kJpegRestartLengthInvalid},
        {"TEM", Stream8().raw({0xFF, 0x01}), kJpegUnexpectedMarker},
        {"RST among segments", Stream8().raw({0xFF, 0xD3}), kJpegUnexpectedMarker},
        {"no scan", grey().frame(0xC0, 8, 8, {0x11}).raw({0xFF, 0xD9}), kJpegUnexpectedMarker},
        {"progressive without scan", grey().frame(0xC2, 8, 8, {0x11}).raw({0xFF, 0xD9}),
         kJpegUnexpectedMarker},
        {"lossless", grey().frame(0xC3, 8, 8, {0x11}), kJpegFrameTypeUnsupported},
        {"SOS first", Stream8().scan({1}), kJpegFrameTypeUnsupported},
        {"scan of 0", grey().frame(0xC0, 8, 8, {0x11}).segment(0xDA, {0, 0, 63, 0}),
         kJpegScanHeaderInvalid},
        {"scan length", grey().frame(0xC0, 8, 8, {0x11}).segment(0xDA, {1, 1, 0, 0, 63}),
         kJpegScanHeaderInvalid},
        {"unknown component", grey().frame(0xC0, 8, 8, {0x11}).scan({7}),
         kJpegScanComponentUnknown},
        {"selector 4", grey().frame(0xC0, 8, 8, {0x11}).segment(0xDA, {1, 1, 0x40, 0, 63, 0}),
         kJpegHuffmanTableMissing},
        {"AC table never defined",
         Stream8().quant().huffman(0x00).frame(0xC0, 8, 8, {0x11}).scan({1}),
         kJpegHuffmanTableMissing},
        {"quant table never defined",
         Stream8().huffman(0x00).huffman(0x10).frame(0xC0, 8, 8, {0x11}).scan({1}),
         kJpegQuantTableMissing},
        {"2 components", grey().frame(0xC0, 8, 8, {0x11, 0x11}).scan({1, 2}),
         kJpegComponentCountUnsupported},
        {"chroma 2x1 under luma 3x1", grey().frame(0xC0, 8, 8, {0x31, 0x21, 0x11}).scan({1, 2, 3}),
         kJpegSamplingUnsupported},
        {"18 blocks per MCU", grey().frame(0xC0, 8, 8, {0x44, 0x11, 0x11}).scan({1, 2, 3}),
         kJpegSamplingUnsupported},
        {"sampling factor 0", grey().frame(0xC0, 8, 8, {0x10, 0x11, 0x11}).scan({1, 2, 3}),
         kJpegSamplingUnsupported},
        {"sampling factor 5", grey().frame(0xC0, 8, 8, {0x51, 0x11, 0x11}).scan({1, 2, 3}),
         kJpegSamplingUnsupported},
        {"AC scan of 3", grey().frame(0xC2, 8, 8, {0x11, 0x11, 0x11}).scan({1, 2, 3}, 1, 5),
         kJpegSpectralSelectionInvalid},
        {"DC scan to 5", grey().frame(0xC2, 8, 8, {0x11}).scan({1}, 0, 5),
         kJpegSpectralSelectionInvalid},
        {"end past 63", grey().frame(0xC2, 8, 8, {0x11}).scan({1}, 1, 64),
         kJpegSpectralSelectionInvalid},
        {"refinement Al", grey().frame(0xC2, 8, 8, {0x11}).scan({1}, 0, 0, 0x20),
         kJpegSuccessiveApproximationInvalid},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(finalError(c.stream.bytes), c.code);
    }
}

TEST(JpegDecoder, CorruptEntropyDataFailsTheRowAndEveryLaterCall) {
    // Every AC code is a run of 15 zeros and a value: the fourth passes coefficient 63.
    Stream8 bad;
    bad.quant().huffman(0x00);
    JpegBytes ac(18, 0);
    ac[0] = 0x10;
    ac[1] = 1;
    ac[17] = 0xF1;
    bad.segment(0xC4, ac).frame(0xC0, 8, 8, {0x11}).scan({1}).raw({0x00, 0x00, 0xFF, 0xD9});
    MemoryJpegSource source(bad.bytes.data(), uint32_t(bad.bytes.size()));
    JpegDecoder decoder(&source, false);
    ASSERT_EQ(decoder.begin(), 0);
    const uint8_t* row = nullptr;
    int rowBytes = 0;
    EXPECT_EQ(decoder.decodeLine(row, rowBytes), kJpegCorruptData);
    EXPECT_EQ(decoder.errorCode(), kJpegCorruptData);
    EXPECT_EQ(decoder.decodeLine(row, rowBytes), -1);
    EXPECT_EQ(decoder.begin(), -1);
}

// Progressive AC scans follow the sequential rules: zero runs may not pass coefficient 63,
// and a refinement run may end past the band (placing nothing) without failing.
TEST(JpegDecoder, ProgressiveRunsAreCheckedAgainstCoefficient63) {
    auto withAcCode = [](int symbol) {
        JpegBytes ac(18, 0);
        ac[0] = 0x10;
        ac[1] = 1;
        ac[17] = uint8_t(symbol);
        Stream8 s;
        s.quant().huffman(0x00).segment(0xC4, ac).frame(0xC2, 8, 8, {0x11});
        return s;
    };
    // Every code is sixteen zeros: from coefficient 2 the fourth passes 63.
    Stream8 zeroRuns = withAcCode(0xF0);
    zeroRuns.scan({1}, 2, 63).raw({0x00, 0x00, 0xFF, 0xD9});
    EXPECT_EQ(finalError(zeroRuns.bytes), kJpegCorruptData);

    // Five zeros then a new coefficient, in a band of five: it would land on coefficient 6.
    Stream8 refinement = withAcCode(0x51);
    refinement.scan({1}, 0, 0).raw({0x00});
    refinement.scan({1}, 1, 5, 0x10).raw({0x00, 0x00, 0xFF, 0xD9});
    const DecodedJpeg decoded = decodeJpeg(refinement.bytes);
    EXPECT_EQ(decoded.errorCode, 0);
    EXPECT_EQ(decoded.rows, 8);
    EXPECT_EQ(decoded.pixels, JpegBytes(64, 128));
}

TEST(JpegDecoder, MatchesTheOracleInUnusualSamplingAndRgb) {
    if (!haveCjpeg()) GTEST_SKIP() << "cjpeg not installed";
    const std::string picture = photoPnm(203, 141);
    for (const char* options :
         {"-sample 4x1", "-sample 4x2", "-sample 1x4", "-sample 3x1", "-sample 1x1,2x2,2x2",
          "-sample 2x1,1x2,1x1", "-rgb", "-rgb -sample 2x2,1x1,1x2", "-progressive -sample 4x2"}) {
        SCOPED_TRACE(options);
        const JpegBytes file = cjpeg(picture, std::string("-quality 90 ") + options);
        ASSERT_FALSE(file.empty());
        const DecodedJpeg decoded = decodeJpeg(file);
        ASSERT_EQ(decoded.lastResult, 1) << decoded.errorCode;
        EXPECT_EQ(decoded.rows, 141);
        EXPECT_LE(largestDifference(rgbOf(decoded), oracleDecode(file)), 3);
        EXPECT_EQ(decodeJpeg(file, false).pixels, decoded.pixels);
    }
}

// Four-component files written by libjpeg with an Adobe segment, as Adobe's programs write
// them (inverted CMYK, or YCCK), compared with ImageMagick's conversion to RGB and with
// libjpeg's ink values.
TEST(JpegDecoder, ConvertsAdobeCmykAndYcckToRgb) {
    if (!std::filesystem::exists("/usr/bin/convert")) GTEST_SKIP() << "ImageMagick not installed";
    const int width = 45, height = 37;
    JpegBytes cmyk(size_t(width) * height * 4);
    for (size_t i = 0; i < cmyk.size(); ++i) cmyk[i] = uint8_t((i * 37 + (i / 180) * 11) % 256);
    for (J_COLOR_SPACE space : {JCS_CMYK, JCS_YCCK}) {
        SCOPED_TRACE(space);
        for (const char* sampling : {"1x1", "2x2"}) {
            const JpegBytes file = encodeCmyk(cmyk, width, height, space, sampling[0] == '2');
            const DecodedJpeg decoded = decodeJpeg(file);
            ASSERT_EQ(decoded.lastResult, 1) << decoded.errorCode;
            EXPECT_EQ(decoded.components, 4);
            EXPECT_EQ(decoded.rowBytes, width * 4);
            // ImageMagick upsamples smoothly; libjpeg can replicate as we do.
            if (sampling[0] == '1') {
                EXPECT_LE(largestDifference(rgbOf(decoded), magickRgb(file)), 3);
            }
            EXPECT_LE(largestDifference(rgbOf(decoded), oracleDecode(file, true)), 3);
        }
    }
}

TEST(JpegDecoder, EveryFailureHasItsOwnReason) {
    std::set<std::string> reasons;
    int codes = 0;
    for (int code = kJpegOutOfMemory; code <= kJpegHuffmanCountsTooLarge; ++code) {
        if (code == -214 || code == -220 || code == -224) continue;
        reasons.insert(jpegErrorReason(code));
        ++codes;
    }
    EXPECT_EQ(int(reasons.size()), codes);
    EXPECT_EQ(reasons.count(""), 0u);
    EXPECT_STREQ(jpegErrorReason(kJpegOk), "");

    Stream8 twelveBit;
    twelveBit.quant().frame(0xC0, 8, 8, {0x11}, 12);
    MemoryJpegSource source(twelveBit.bytes.data(), uint32_t(twelveBit.bytes.size()));
    JpegDecoder decoder(&source, true);
    EXPECT_STREQ(decoder.reason(), "12-bit JPEG not supported");
}
