// The glyphs a text needs, rasterised once by FreeType into one coverage picture (8 bits a
// pixel) for one texture. Glyphs are packed in rows of a fixed width; the picture grows
// downwards up to kMaxHeight, and a glyph that no longer fits is refused with a log line.
// Uploading to OpenGL is the effect's part.
#pragma once

#include <cstdint>
#include <vector>

typedef struct FT_FaceRec_* FT_Face;

// Where a rasterised glyph sits in the atlas, and how it hangs from the pen position (all in
// pixels; `top` upwards from the baseline).
struct GlyphSlot {
    int x = 0, y = 0;
    int width = 0, height = 0;
    int left = 0, top = 0;
};

class GlyphAtlas {
public:
    static constexpr int kWidth = 1024;
    static constexpr int kMaxHeight = 4096;
    // Blank pixels around each glyph, so filtering never bleeds a neighbour in.
    static constexpr int kGap = 1;

    // Forgets every glyph (for a new face or pixel size); keeps the memory.
    void clear();
    // The glyph's slot, rasterising it at the face's current size on first use. Null, with
    // one log line naming `owner`, when FreeType cannot rasterise it or it does not fit.
    // The pointer is valid until the next call.
    const GlyphSlot* find(const char* owner, FT_Face face, uint32_t glyphIndex);

    int width() const { return kWidth; }
    // Rows in use, rounded up to a power of two for the texture.
    int height() const;
    const uint8_t* pixels() const { return pixels_.data(); }
    // Changes whenever a glyph is added or the atlas cleared, for re-uploading.
    uint32_t revision() const { return revision_; }

private:
    struct Entry {
        uint32_t glyphIndex;
        GlyphSlot slot;
    };

    bool place(int width, int height, int& x, int& y);

    std::vector<Entry> entries_;
    std::vector<uint8_t> pixels_;
    int rowX_ = 0, rowY_ = 0, rowHeight_ = 0;
    int usedHeight_ = 0;
    bool fullLogged_ = false;
    uint32_t revision_ = 0;
};
