// The text effect's layout with the bundled font: lines, alignment, reveal, HarfBuzz's
// kerning, letter spacing, the missing-glyph box, the script's escapes and the limits of
// the atlas.
#include "TextLayout.h"
#include "FontFace.h"
#include "GlyphAtlas.h"
#include "TextString.h"
#include "log/Log.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <string>

namespace {

class LaidOutText : public ::testing::Test {
protected:
    void SetUp() override {
        Log::instance().setEnabled(false);
        std::ifstream file(std::string(VORNEX_SOURCE_DIR) + "/data/fonts/DejaVuSans.ttf",
                           std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(file)),
                                std::istreambuf_iterator<char>());
        ASSERT_EQ(face.open("test", "DejaVuSans.ttf",
                            reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()),
                  0);
        ASSERT_EQ(face.setPixelSize(32), 0);
    }

    float widthOf(const char* text, float spacing = 0.0f) {
        TextLayout layout;
        layout.build("test", text, face, atlas, spacing);
        return layout.lineWidth(0);
    }

    FontFace face;
    GlyphAtlas atlas;
    TextLayout layout;
};

TEST_F(LaidOutText, LinesBreakAtNewLinesOneLineHeightApartAndCountOnlyCharacters) {
    layout.build("test", "Hi\nyou\n\nzz", face, atlas, 0.0f);
    ASSERT_EQ(layout.lineCount(), 4);
    EXPECT_EQ(layout.characterCount(), 7); // the line breaks are not characters
    EXPECT_FLOAT_EQ(layout.lineWidth(2), 0.0f);
    EXPECT_GT(layout.lineHeight(), 32.0f * 1.0f);
    ASSERT_EQ(layout.glyphs().size(), 7u);
    const PlacedGlyph& letterH = layout.glyphs()[0];
    const PlacedGlyph& z = layout.glyphs()[5];
    EXPECT_EQ(letterH.line, 0);
    EXPECT_EQ(z.line, 3);
    EXPECT_EQ(z.character, 5);
    // H and z stand on their baselines, three line heights apart.
    EXPECT_EQ(letterH.y, 0);
    EXPECT_EQ(z.y, static_cast<int>(std::lround(-3.0f * layout.lineHeight())));
    // Every line starts at the pen's origin, each glyph after the one before.
    EXPECT_EQ(layout.glyphs()[2].x, layout.glyphs()[2].slot.left);
    EXPECT_LT(layout.glyphs()[2].x, layout.glyphs()[3].x);
}

TEST_F(LaidOutText, AlignmentPlacesEachLineStartAgainstTheAnchor) {
    layout.build("test", "wide line\nab", face, atlas, 0.0f);
    for (int line = 0; line < 2; ++line) {
        const float width = layout.lineWidth(line);
        EXPECT_FLOAT_EQ(layout.lineStart(line, TextAlign::Left), 0.0f);
        EXPECT_FLOAT_EQ(layout.lineStart(line, TextAlign::Right), -width);
        EXPECT_NEAR(layout.lineStart(line, TextAlign::Center), -width / 2.0f, 1.0f);
    }
    EXPECT_LT(layout.lineStart(0, TextAlign::Right), layout.lineStart(1, TextAlign::Right));
    EXPECT_FLOAT_EQ(layout.lineStart(7, TextAlign::Right), 0.0f);
}

TEST_F(LaidOutText, RevealShowsThatFractionOfTheCharacters) {
    layout.build("test", "abcd\nefgh", face, atlas, 0.0f);
    EXPECT_EQ(layout.shownCharacters(0.0f), 0);
    EXPECT_EQ(layout.shownCharacters(-1.0f), 0);
    EXPECT_EQ(layout.shownCharacters(std::nanf("")), 0);
    EXPECT_EQ(layout.shownCharacters(0.5f), 4);
    EXPECT_EQ(layout.shownCharacters(0.99f), 8);
    EXPECT_EQ(layout.shownCharacters(1.0f), 8);
    EXPECT_EQ(layout.shownCharacters(3.0f), 8);
    // The fifth character drawn is the first of the second line.
    EXPECT_EQ(layout.glyphs()[4].character, 4);
    EXPECT_EQ(layout.glyphs()[4].line, 1);
}

TEST_F(LaidOutText, HarfBuzzKernsPairsAndSpacingWidensEachAdvance) {
    // DejaVu Sans kerns A and V together.
    EXPECT_LT(widthOf("AV"), widthOf("A") + widthOf("V"));
    EXPECT_FLOAT_EQ(widthOf("AVA", 3.0f), widthOf("AVA") + 9.0f);
    // Combining marks have no advance of their own, so they get no spacing.
    EXPECT_FLOAT_EQ(widthOf("e\xcc\x81", 3.0f), widthOf("e") + 3.0f);
}

TEST_F(LaidOutText, MissingCharactersDrawTheMissingGlyphBox) {
    // U+E000, a private-use character the font does not have, twice.
    layout.build("test", "a\xee\x80\x80\xee\x80\x80", face, atlas, 0.0f);
    ASSERT_EQ(layout.glyphs().size(), 3u);
    const GlyphSlot& box = layout.glyphs()[1].slot;
    EXPECT_GT(box.width, 0);
    EXPECT_GT(box.height, 0);
    EXPECT_EQ(layout.glyphs()[2].slot.x, box.x); // the one box in the atlas, drawn twice
    EXPECT_EQ(layout.characterCount(), 3);
}

TEST_F(LaidOutText, RightToLeftRunsAreLaidOutInVisualOrder) {
    // Hebrew alef, bet: shaped right to left, so the first glyph is bet's.
    layout.build("test", "\xd7\x90\xd7\x91", face, atlas, 0.0f);
    ASSERT_EQ(layout.glyphs().size(), 2u);
    EXPECT_EQ(layout.glyphs()[0].character, 1);
    EXPECT_EQ(layout.glyphs()[1].character, 0);
    EXPECT_LT(layout.glyphs()[0].x, layout.glyphs()[1].x);
}

TEST_F(LaidOutText, AGlyphBeyondTheAtlasIsLeftOutAndTheRestKept) {
    ASSERT_EQ(face.setPixelSize(FontFace::kMaxPixels * 4), 0);
    EXPECT_EQ(face.pixelSize(), FontFace::kMaxPixels);
    const char* letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    layout.build("test", letters, face, atlas, 0.0f);
    EXPECT_GT(layout.glyphs().size(), 4u);
    EXPECT_LT(layout.glyphs().size(), std::string(letters).size());
    EXPECT_LE(atlas.height(), GlyphAtlas::kMaxHeight);
    for (const PlacedGlyph& glyph : layout.glyphs())
        EXPECT_LE(glyph.slot.y + glyph.slot.height, atlas.height());
    // A smaller size after clearing fits every glyph again.
    atlas.clear();
    ASSERT_EQ(face.setPixelSize(16), 0);
    layout.build("test", letters, face, atlas, 0.0f);
    EXPECT_EQ(layout.glyphs().size(), std::string(letters).size());
}

TEST(TextString, EscapesMakeLineBreaksAndBackslashesAndTheCopyIsBounded) {
    char text[16];
    readTextAttribute("a\\nb\\\\n\\x", text, sizeof text);
    EXPECT_STREQ(text, "a\nb\\n\\x");
    readTextAttribute("one\r\ntwo\rthree", text, sizeof text);
    EXPECT_STREQ(text, "one\ntwo\nthree");
    readTextAttribute("0123456789abcdefghij", text, sizeof text);
    EXPECT_STREQ(text, "0123456789abcde");
    readTextAttribute("tail\\", text, sizeof text);
    EXPECT_STREQ(text, "tail\\");
}

} // namespace
