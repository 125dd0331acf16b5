// Lines of UTF-8 text shaped by HarfBuzz (kerning, ligatures, marks, right-to-left runs) and
// placed in pixels, each glyph with its atlas slot, its line and the character it draws.
// Built when the text, font or size changes; drawing only reads it.
#pragma once

#include "GlyphAtlas.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class FontFace;
typedef struct hb_buffer_t hb_buffer_t;

enum class TextAlign { Left, Center, Right };

// The words of TextAlign in order, for a choice parameter.
extern const char* const kTextAlignWords[];

struct PlacedGlyph {
    // Bottom-left corner of the glyph's picture in whole pixels, from the pen's start on the
    // first line's baseline (y upwards; later lines lie below).
    int x = 0, y = 0;
    GlyphSlot slot;
    int line = 0;
    // Index of the character drawn, counting code points and leaving line breaks out.
    int character = 0;
};

class TextLayout {
public:
    // Beyond these the rest of the text is left out, with a log line.
    static constexpr int kMaxGlyphs = 4096;
    static constexpr int kMaxLines = 256;

    TextLayout() = default;
    ~TextLayout();
    TextLayout(const TextLayout&) = delete;
    TextLayout& operator=(const TextLayout&) = delete;

    // Lays out `text` (lines end at '\n') with the face at its current size, adding the
    // glyphs to the atlas, with `spacing` extra pixels after each advancing glyph. A
    // character the font lacks is drawn as the font's missing-glyph box and logged once,
    // naming `owner`.
    void build(const char* owner, const char* text, FontFace& face, GlyphAtlas& atlas,
               float spacing);

    const std::vector<PlacedGlyph>& glyphs() const { return glyphs_; }
    int lineCount() const { return static_cast<int>(lineWidths_.size()); }
    // The pen's advance over the whole line, in pixels.
    float lineWidth(int line) const { return lineWidths_[static_cast<size_t>(line)]; }
    float lineHeight() const { return lineHeight_; }
    int characterCount() const { return characterCount_; }
    // Where the line's pen starts, in pixels from the anchor, for that alignment.
    float lineStart(int line, TextAlign align) const;
    // How many characters `reveal` (0..1, clamped) shows; a glyph is drawn when its
    // character is below this.
    int shownCharacters(float reveal) const;

private:
    void shapeLine(const char* owner, const char* text, int start, int end, FontFace& face,
                   GlyphAtlas& atlas, float spacing);
    void reportMissing(const char* owner, const char* text, uint32_t cluster);

    std::vector<PlacedGlyph> glyphs_;
    std::vector<float> lineWidths_;
    std::vector<int> characterAt_;
    std::vector<uint32_t> missingReported_;
    hb_buffer_t* buffer_ = nullptr;
    float lineHeight_ = 0.0f;
    int characterCount_ = 0;
    bool truncated_ = false;
};
