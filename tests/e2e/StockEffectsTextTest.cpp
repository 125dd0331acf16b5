// What the text effect draws, read back from captured frames: the ink of a string agrees
// with FreeType's own rendering of it (same font, same pixel size) at two window sizes, and
// a missing font or character is one log line while the demo plays on.
#include "StockEffectsFixture.h"

#include <ft2build.h>
#include FT_FREETYPE_H

namespace {

const char* const kFontPath = VORNEX_SOURCE_DIR "/data/fonts/DejaVuSans.ttf";

// Coverage, 0..255, of a width x height picture; row 0 at the bottom as OpenGL counts.
struct Coverage {
    int width, height;
    std::vector<int> values;
    int at(int x, int y) const {
        if (x < 0 || y < 0 || x >= width || y >= height) return 0;
        return values[static_cast<size_t>(y * width + x)];
    }
};

// FreeType's rendering of `text` (no kerning pairs in it) at `pixels` per em, pen starting at
// (x, baseline), each glyph advanced by its hinted advance.
Coverage freeTypeCoverage(const char* text, int pixels, int width, int height, int x,
                          int baseline) {
    Coverage out{width, height, std::vector<int>(static_cast<size_t>(width * height), 0)};
    FT_Library library;
    FT_Face face;
    EXPECT_EQ(FT_Init_FreeType(&library), 0);
    EXPECT_EQ(FT_New_Face(library, kFontPath, 0, &face), 0);
    EXPECT_EQ(FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixels)), 0);
    int pen = x;
    for (const char* p = text; *p; ++p) {
        EXPECT_EQ(FT_Load_Char(face, static_cast<FT_ULong>(*p), FT_LOAD_RENDER), 0);
        const FT_Bitmap& bitmap = face->glyph->bitmap;
        for (int row = 0; row < static_cast<int>(bitmap.rows); ++row)
            for (int column = 0; column < static_cast<int>(bitmap.width); ++column) {
                const int px = pen + face->glyph->bitmap_left + column;
                const int py = baseline + face->glyph->bitmap_top - 1 - row;
                if (px < 0 || py < 0 || px >= width || py >= height) continue;
                int& value = out.values[static_cast<size_t>(py * width + px)];
                value =
                    std::max(value, static_cast<int>(bitmap.buffer[row * bitmap.pitch + column]));
            }
        pen += static_cast<int>(face->glyph->advance.x >> 6);
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    return out;
}

// The green channel of a captured frame: white text on black is its coverage.
Coverage frameCoverage(const std::string& path) {
    cFormatPNG png;
    FileStream stream(path.c_str(), FileStream::kRead);
    Coverage out{0, 0, {}};
    if (!stream.isOpen() || png.load(&stream) != 0) return out;
    out.width = png.width();
    out.height = png.height();
    const int bytes = static_cast<int>(png.bitsPerPixel() / 8);
    for (int i = 0; i < out.width * out.height; ++i)
        out.values.push_back(png.pixels(0)[i * bytes + 1]);
    return out;
}

struct InkComparison {
    int expectedInk = 0;
    int mismatches = 0;
    int coverageError = 0; // the largest coverage difference anywhere
};

InkComparison compareInk(const Coverage& expected, const Coverage& shown) {
    InkComparison result;
    for (int y = 0; y < expected.height; ++y)
        for (int x = 0; x < expected.width; ++x) {
            const int e = expected.at(x, y);
            const int s = shown.at(x, y);
            if (e >= 128) ++result.expectedInk;
            if ((e >= 128) != (s >= 128)) ++result.mismatches;
            result.coverageError = std::max(result.coverageError, std::abs(e - s));
        }
    return result;
}

class StockEffectsText : public ::testing::Test {
protected:
    void SetUp() override {
        if (!haveDisplay()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
        std::filesystem::create_directories(dir.path() / "data" / "fonts");
        std::filesystem::create_symlink(kFontPath, dir.path() / "data/fonts/DejaVuSans.ttf");
    }
    void play(const std::string& body, int width, int height) {
        // The capture comes first, so the body's draw order can name it.
        const std::string head = "<add type=\"clear\" name=\"bg\"/><bg color=\"0,0,0,1\"/>"
                                 "<add type=\"capture\" name=\"rec\"/>"
                                 "<rec folder=\"frames\" limit=\"1\"/>";
        dir.write("data/script.txt", stockScript(head + body, 10, 0.35f, width, height));
        const PlayerResult run = runPlayer(dir.path().string());
        ASSERT_EQ(run.exitCode, 0) << run.output;
        log = dir.read("log.txt");
    }
    static size_t count(const std::string& text, const std::string& part) {
        size_t n = 0;
        for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
            ++n;
        return n;
    }
    TempDir dir;
    std::string log;
};

} // namespace

TEST_F(StockEffectsText, InkAgreesWithFreeTypesRenderingAtTheWindowsPixelSize) {
    const char* text = "Hill 1234 quiz";
    for (const int height : {120, 240, 480}) {
        const int width = height * 4 / 3;
        SCOPED_TRACE(height);
        play(std::string("<add type=\"text\" name=\"label\"/><label font=\"DejaVuSans.ttf\" "
                         "text=\"") +
                 text +
                 "\" size=\"0.2\" position=\"0.05,0.4,0\"/>"
                 "<draworder effect=\"bg\" effect=\"label\" effect=\"rec\"/>",
             width, height);
        const Coverage shown = frameCoverage(framePath(dir, 0));
        ASSERT_EQ(shown.width, width);
        // The em is a fifth of the window's height, rasterised at that size.
        const Coverage expected =
            freeTypeCoverage(text, height / 5, width, height, width / 20, height * 2 / 5);
        const InkComparison ink = compareInk(expected, shown);
        EXPECT_GT(ink.expectedInk, height * 2);
        EXPECT_LE(ink.mismatches, ink.expectedInk / 100) << ink.expectedInk;
        EXPECT_LE(ink.coverageError, 8);
        std::filesystem::remove_all(dir.path() / "frames");
    }
}

TEST_F(StockEffectsText, AlignRevealAndOutlineChangeWhereInkFalls) {
    // Right-aligned at the middle: nothing right of it. Half revealed: only the left half
    // of the string's ink. Outline in red around white.
    play("<add type=\"text\" name=\"label\"/><label font=\"DejaVuSans.ttf\" text=\"IIII\nIIII\" "
         "size=\"0.25\" align=\"right\" position=\"0.5,0.6,0\" reveal=\"0.25\" "
         "outline=\"0.03\" outlinecolor=\"1,0,0,1\"/>"
         "<draworder effect=\"bg\" effect=\"label\" effect=\"rec\"/>",
         160, 120);
    const Coverage shown = frameCoverage(framePath(dir, 0));
    ASSERT_EQ(shown.width, 160);
    Frame frame(framePath(dir, 0));
    int inkLeft = 0, inkRight = 0, red = 0, lowerLine = 0;
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 160; ++x) {
            const Rgb c = frame.at((x + 0.5f) / 160, (y + 0.5f) / 120);
            if (c.r > 128 && c.g < 64) ++red;
            if (c.g < 128) continue;
            (x < 80 ? inkLeft : inkRight) += 1;
            if (y < 60) ++lowerLine;
        }
    EXPECT_GT(inkLeft, 40);
    EXPECT_EQ(inkRight, 0);
    EXPECT_EQ(lowerLine, 0); // the second line is not revealed yet
    EXPECT_GT(red, 20);
}

TEST_F(StockEffectsText, MissingFontAndMissingCharactersAreOneLogLineEachAndPlayGoesOn) {
    dir.write("data/fonts/broken.ttf", "not a font at all");
    play("<add type=\"text\" name=\"nofont\"/><nofont font=\"absent.ttf\" text=\"x\"/>"
         "<add type=\"text\" name=\"badfont\"/><badfont font=\"broken.ttf\" text=\"x\"/>"
         "<add type=\"text\" name=\"lacks\"/><lacks font=\"DejaVuSans.ttf\" size=\"0.3\" "
         "text=\"\xee\x80\x80\xee\x80\x80\" position=\"0.1,0.3,0\"/>"
         "<draworder effect=\"bg\" effect=\"nofont\" effect=\"badfont\" effect=\"lacks\" "
         "effect=\"rec\"/>",
         160, 120);
    EXPECT_EQ(count(log, "nofont: font data/fonts/absent.ttf not found"), 1u) << log;
    EXPECT_EQ(count(log, "badfont: font data/fonts/broken.ttf"), 1u) << log;
    EXPECT_EQ(count(log, "lacks: the font has no character U+E000"), 1u) << log;
    // The missing-glyph box is drawn in its place.
    Frame frame(framePath(dir, 0));
    ASSERT_TRUE(frame.loaded());
    EXPECT_GT(frame.spread(), 1.0);
}
