// A font for the text effect: the file's bytes handed to FreeType (which rasterises) and to
// HarfBuzz (which shapes), at one pixel size. Reading and checking the bytes is all it
// does; glyph storage is GlyphAtlas's, line layout TextLayout's.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

typedef struct FT_LibraryRec_* FT_Library;
typedef struct FT_FaceRec_* FT_Face;
typedef struct hb_font_t hb_font_t;

class FontFace {
public:
    // Larger files are refused before they are read.
    static constexpr long kMaxFileBytes = 32L << 20;
    // Pixel sizes are clamped to this range; beyond it a glyph would not fit the atlas.
    static constexpr int kMinPixels = 1;
    static constexpr int kMaxPixels = 512;

    FontFace() = default;
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    // Reads "data/fonts/<name>". -1 with one log line naming `owner` and the file when it
    // is missing, too large or refused by FreeType; the face is then empty.
    int loadFile(const char* owner, const char* name);
    // Takes the bytes of a font file. -1 with a log line when FreeType refuses them.
    int open(const char* owner, const char* label, const uint8_t* bytes, size_t size);
    void close();

    bool isOpen() const { return face_ != nullptr; }
    // Sets the em height in pixels (clamped to kMinPixels..kMaxPixels) for rasterising and
    // shaping alike. -1 when the face has no such size (a bitmap font without it).
    int setPixelSize(int pixels);
    int pixelSize() const { return pixels_; }
    // Distance between baselines, in pixels at the current size.
    float lineHeight() const;

    FT_Face face() const { return face_; }
    hb_font_t* shaper() const { return shaper_; }

private:
    std::vector<uint8_t> bytes_;
    FT_Library library_ = nullptr;
    FT_Face face_ = nullptr;
    hb_font_t* shaper_ = nullptr;
    int pixels_ = 0;
};
