#include "GlyphAtlas.h"

#include <vornex/HostLog.h>

#include <ft2build.h>
#include FT_FREETYPE_H
#include <algorithm>
#include <cstring>

void GlyphAtlas::clear() {
    entries_.clear();
    std::fill(pixels_.begin(), pixels_.end(), 0);
    rowX_ = rowY_ = rowHeight_ = usedHeight_ = 0;
    fullLogged_ = false;
    ++revision_;
}

int GlyphAtlas::height() const {
    int rows = 16;
    while (rows < usedHeight_) rows *= 2;
    return rows;
}

bool GlyphAtlas::place(int width, int height, int& x, int& y) {
    if (width + 2 * kGap > kWidth) return false;
    if (rowX_ + width + 2 * kGap > kWidth) {
        rowY_ += rowHeight_;
        rowX_ = rowHeight_ = 0;
    }
    if (rowY_ + height + 2 * kGap > kMaxHeight) return false;
    x = rowX_ + kGap;
    y = rowY_ + kGap;
    rowX_ += width + 2 * kGap;
    if (height + 2 * kGap > rowHeight_) rowHeight_ = height + 2 * kGap;
    if (rowY_ + rowHeight_ > usedHeight_) usedHeight_ = rowY_ + rowHeight_;
    return true;
}

const GlyphSlot* GlyphAtlas::find(const char* owner, FT_Face face, uint32_t glyphIndex) {
    for (const Entry& entry : entries_)
        if (entry.glyphIndex == glyphIndex) return &entry.slot;
    if (FT_Load_Glyph(face, glyphIndex, FT_LOAD_RENDER) != 0 ||
        face->glyph->format != FT_GLYPH_FORMAT_BITMAP) {
        hostLog("%s: glyph %u could not be rasterised", owner, glyphIndex);
        return nullptr;
    }
    const FT_Bitmap& bitmap = face->glyph->bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY && bitmap.pixel_mode != FT_PIXEL_MODE_MONO &&
        bitmap.rows > 0) {
        hostLog("%s: glyph %u has a pixel format the atlas does not take", owner, glyphIndex);
        return nullptr;
    }
    const long rowBytes = bitmap.pixel_mode == FT_PIXEL_MODE_GRAY ? static_cast<long>(bitmap.width)
                                                                  : (bitmap.width + 7L) / 8;
    if (bitmap.rows > 0 && bitmap.pitch < rowBytes) {
        hostLog("%s: glyph %u has a row layout the atlas does not take", owner, glyphIndex);
        return nullptr;
    }
    Entry entry{glyphIndex, {}};
    GlyphSlot& slot = entry.slot;
    slot.width = static_cast<int>(bitmap.width);
    slot.height = static_cast<int>(bitmap.rows);
    slot.left = face->glyph->bitmap_left;
    slot.top = face->glyph->bitmap_top;
    if (!place(slot.width, slot.height, slot.x, slot.y)) {
        if (!fullLogged_)
            hostLog("%s: glyph atlas full (%dx%d pixels); further glyphs are left out", owner,
                    kWidth, kMaxHeight);
        fullLogged_ = true;
        return nullptr;
    }
    const size_t needed = static_cast<size_t>(kWidth) * static_cast<size_t>(height());
    if (pixels_.size() < needed) pixels_.resize(needed, 0);
    for (int row = 0; row < slot.height; ++row) {
        const uint8_t* source = bitmap.buffer + static_cast<long>(row) * bitmap.pitch;
        uint8_t* target = &pixels_[static_cast<size_t>(slot.y + row) * kWidth + slot.x];
        if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
            std::memcpy(target, source, static_cast<size_t>(slot.width));
        } else {
            for (int column = 0; column < slot.width; ++column)
                target[column] = (source[column >> 3] & (0x80 >> (column & 7))) ? 255 : 0;
        }
    }
    entries_.push_back(entry);
    ++revision_;
    return &entries_.back().slot;
}
