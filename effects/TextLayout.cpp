#include "TextLayout.h"

#include "FontFace.h"

#include <vornex/HostLog.h>

#include <cmath>
#include <cstring>
#include <hb.h>

const char* const kTextAlignWords[] = {"left", "center", "right", nullptr};

namespace {

bool continuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The code point that starts at text[at], or U+FFFD for a malformed sequence.
uint32_t codePointAt(const char* text, uint32_t at) {
    const auto* p = reinterpret_cast<const unsigned char*>(text + at);
    if (p[0] < 0x80) return p[0];
    int length = p[0] >= 0xF0 ? 4 : p[0] >= 0xE0 ? 3 : p[0] >= 0xC0 ? 2 : 0;
    if (length == 0) return 0xFFFD;
    uint32_t value = p[0] & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80) return 0xFFFD;
        value = (value << 6) | (p[i] & 0x3F);
    }
    return value;
}

} // namespace

TextLayout::~TextLayout() {
    if (buffer_) hb_buffer_destroy(buffer_);
}

void TextLayout::build(const char* owner, const char* text, FontFace& face, GlyphAtlas& atlas,
                       float spacing) {
    glyphs_.clear();
    lineWidths_.clear();
    missingReported_.clear();
    truncated_ = false;
    lineHeight_ = face.lineHeight();
    const int length = static_cast<int>(std::strlen(text));
    characterAt_.assign(static_cast<size_t>(length) + 1, 0);
    int characters = 0;
    for (int i = 0; i < length; ++i) {
        characterAt_[static_cast<size_t>(i)] = characters;
        if (text[i] != '\n' && !continuationByte(text[i])) ++characters;
    }
    characterAt_[static_cast<size_t>(length)] = characters;
    characterCount_ = characters;
    if (!face.isOpen()) return;
    if (!buffer_) buffer_ = hb_buffer_create();
    int start = 0;
    for (;;) {
        const char* lineEnd = std::strchr(text + start, '\n');
        const int end = lineEnd ? static_cast<int>(lineEnd - text) : length;
        if (lineCount() == kMaxLines) {
            hostLog("%s: more than %d lines; the rest is left out", owner, kMaxLines);
            break;
        }
        shapeLine(owner, text, start, end, face, atlas, spacing);
        if (!lineEnd) break;
        start = end + 1;
    }
}

void TextLayout::shapeLine(const char* owner, const char* text, int start, int end, FontFace& face,
                           GlyphAtlas& atlas, float spacing) {
    const int line = lineCount();
    hb_buffer_clear_contents(buffer_);
    // The whole text is context, so clusters are byte offsets into it.
    hb_buffer_add_utf8(buffer_, text, static_cast<int>(std::strlen(text)),
                       static_cast<unsigned>(start), end - start);
    hb_buffer_guess_segment_properties(buffer_);
    hb_shape(face.shaper(), buffer_, nullptr, 0);
    unsigned count = 0;
    const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer_, &count);
    const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer_, nullptr);
    const float baseline = -static_cast<float>(line) * lineHeight_;
    float pen = 0.0f;
    for (unsigned i = 0; i < count; ++i) {
        if (infos[i].codepoint == 0) reportMissing(owner, text, infos[i].cluster);
        if (static_cast<int>(glyphs_.size()) >= kMaxGlyphs) {
            if (!truncated_)
                hostLog("%s: more than %d glyphs; the rest is left out", owner, kMaxGlyphs);
            truncated_ = true;
            break;
        }
        const GlyphSlot* slot = atlas.find(owner, face.face(), infos[i].codepoint);
        if (slot && slot->width > 0 && slot->height > 0) {
            PlacedGlyph glyph;
            glyph.slot = *slot;
            glyph.x =
                static_cast<int>(std::lround(pen + positions[i].x_offset / 64.0f)) + slot->left;
            glyph.y = static_cast<int>(std::lround(baseline + positions[i].y_offset / 64.0f)) +
                      slot->top - slot->height;
            glyph.line = line;
            glyph.character = characterAt_[infos[i].cluster];
            glyphs_.push_back(glyph);
        }
        pen += positions[i].x_advance / 64.0f;
        if (positions[i].x_advance != 0) pen += spacing;
    }
    lineWidths_.push_back(pen);
}

void TextLayout::reportMissing(const char* owner, const char* text, uint32_t cluster) {
    const uint32_t character = codePointAt(text, cluster);
    for (uint32_t reported : missingReported_)
        if (reported == character) return;
    missingReported_.push_back(character);
    hostLog("%s: the font has no character U+%04X; its missing-glyph box is drawn", owner,
            character);
}

float TextLayout::lineStart(int line, TextAlign align) const {
    if (line < 0 || line >= lineCount()) return 0.0f;
    const float width = lineWidth(line);
    switch (align) {
    case TextAlign::Left:
        break;
    case TextAlign::Center:
        return std::floor(-width / 2.0f);
    case TextAlign::Right:
        return -width;
    }
    return 0.0f;
}

int TextLayout::shownCharacters(float reveal) const {
    if (!(reveal > 0.0f)) return 0;
    if (reveal >= 1.0f) return characterCount_;
    return static_cast<int>(std::floor(reveal * static_cast<float>(characterCount_) + 0.5f));
}
