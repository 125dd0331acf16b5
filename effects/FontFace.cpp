#include "FontFace.h"

#include <vornex/HostLog.h>

#include <ft2build.h>
#include FT_FREETYPE_H
#include <cstdio>
#include <hb-ft.h>

FontFace::~FontFace() {
    close();
}

int FontFace::loadFile(const char* owner, const char* name) {
    close();
    char path[512];
    std::snprintf(path, sizeof path, "data/fonts/%s", name);
    FILE* file = std::fopen(path, "rb");
    if (!file) {
        hostLog("%s: font %s not found", owner, path);
        return -1;
    }
    bool ok = std::fseek(file, 0, SEEK_END) == 0;
    const long size = ok ? std::ftell(file) : -1;
    ok = ok && size > 0 && size <= kMaxFileBytes && std::fseek(file, 0, SEEK_SET) == 0;
    std::vector<uint8_t> bytes;
    if (ok) {
        bytes.resize(static_cast<size_t>(size));
        ok = std::fread(bytes.data(), 1, bytes.size(), file) == bytes.size();
    }
    std::fclose(file);
    if (!ok) {
        hostLog("%s: font %s could not be read (a file of 1 to %li bytes)", owner, path,
                kMaxFileBytes);
        return -1;
    }
    return open(owner, path, bytes.data(), bytes.size());
}

int FontFace::open(const char* owner, const char* label, const uint8_t* bytes, size_t size) {
    close();
    bytes_.assign(bytes, bytes + size);
    FT_Error error = FT_Init_FreeType(&library_);
    if (!error)
        error = FT_New_Memory_Face(library_, bytes_.data(), static_cast<FT_Long>(bytes_.size()), 0,
                                   &face_);
    if (!error && !FT_IS_SCALABLE(face_) && face_->num_fixed_sizes <= 0)
        error = FT_Err_Invalid_File_Format;
    if (error) {
        hostLog("%s: font %s refused by FreeType (error %d)", owner, label, error);
        close();
        return -1;
    }
    // The shaper reads the same face, so its advances are the rasteriser's hinted ones.
    shaper_ = hb_ft_font_create_referenced(face_);
    // Hinted advances, as the atlas's glyphs are hinted: pens land on whole pixels.
    hb_ft_font_set_load_flags(shaper_, FT_LOAD_DEFAULT);
    pixels_ = 0;
    return 0;
}

void FontFace::close() {
    if (shaper_) hb_font_destroy(shaper_);
    shaper_ = nullptr;
    if (face_) FT_Done_Face(face_);
    face_ = nullptr;
    if (library_) FT_Done_FreeType(library_);
    library_ = nullptr;
    bytes_.clear();
    pixels_ = 0;
}

int FontFace::setPixelSize(int pixels) {
    if (!face_) return -1;
    if (pixels < kMinPixels) pixels = kMinPixels;
    if (pixels > kMaxPixels) pixels = kMaxPixels;
    FT_Error error = 0;
    if (FT_IS_SCALABLE(face_)) {
        error = FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(pixels));
    } else {
        // A bitmap-only face: the strike nearest the wanted height.
        int best = 0;
        for (int i = 1; i < face_->num_fixed_sizes; ++i) {
            const int d = face_->available_sizes[i].height - pixels;
            const int bestD = face_->available_sizes[best].height - pixels;
            if ((d < 0 ? -d : d) < (bestD < 0 ? -bestD : bestD)) best = i;
        }
        error = FT_Select_Size(face_, best);
    }
    if (error) return -1;
    hb_ft_font_changed(shaper_);
    pixels_ = pixels;
    return 0;
}

float FontFace::lineHeight() const {
    if (!face_ || !face_->size) return 0.0f;
    return static_cast<float>(face_->size->metrics.height) / 64.0f;
}
