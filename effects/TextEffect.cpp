// text: UTF-8 text in a TrueType or OpenType font from the data tree, shaped by HarfBuzz and
// rasterised by FreeType into a glyph atlas for the pixel size the text is drawn at. The
// atlas is rebuilt when that size changes by more than a quarter (a resized window, another
// render size, a new `size`); in between, glyphs are scaled. Drawing is one quad a glyph
// and pass (shadow, outline, face); the outline is the face drawn at eight offsets. With
// `scroll` the text rises that many viewport heights a second from the demo time `start`.
#include "FontFace.h"
#include "GlyphAtlas.h"
#include "StockEffect.h"
#include "StockEffects.h"
#include "TextLayout.h"
#include "TextString.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>

namespace {

class TextEffect : public StockEffect {
public:
    TextEffect() : StockEffect("Text") {
        addFile("font", font_);
        // The string is read by configure() itself: it is longer than any parameter slot.
        addListed("text", ParamValue::File);
        addNumber("size", size_);
        addColour("color", colour_);
        addVector("position", position_);
        align_.words = kTextAlignWords;
        addChoice("align", align_);
        addNumber("spacing", spacing_);
        addNumber("outline", outline_);
        addColour("outlinecolor", outlineColour_);
        addVector("shadow", shadow_);
        addColour("shadowcolor", shadowColour_);
        addNumber("reveal", reveal_);
        addNumber("scroll", scroll_);
        addNumber("start", scrollStart_);
    }

    ~TextEffect() override { releaseTexture(); }

    void configure(ScriptNode* element) override {
        for (const ScriptAttribute* attribute : element->attributes) {
            if (!sameScriptName(attribute->name, "text")) continue;
            readTextAttribute(attribute->value, text_, sizeof text_);
            layoutStale_ = true;
        }
        StockEffect::configure(element);
    }

    int unload() override {
        releaseTexture();
        return 0;
    }

    void draw() override {
        if (!face_.isOpen()) return;
        GLint box[4];
        glGetIntegerv(GL_VIEWPORT, box);
        if (box[2] <= 0 || box[3] <= 0) return;
        const float wantedPixels = size_ * static_cast<float>(box[3]);
        if (!(wantedPixels > 0.0f)) return;
        // Beyond the face's largest size the glyphs are scaled up, not rasterised again.
        const float atlasPixels =
            std::min(std::max(wantedPixels, static_cast<float>(FontFace::kMinPixels)),
                     static_cast<float>(FontFace::kMaxPixels));
        if (layoutStale_ || box[3] != builtForHeight_ || atlasPixels > builtPixels_ * 1.25f ||
            atlasPixels < builtPixels_ * 0.8f)
            rebuild(atlasPixels, box[3]);
        if (!face_.isOpen() || layout_.glyphs().empty()) return;
        uploadAtlas();

        glDisable(GL_DEPTH_TEST);
        glDisable(GL_LIGHTING);
        glDisable(GL_CULL_FACE);
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, texture_);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
        glLoadIdentity();
        glOrtho(0.0, box[2], 0.0, box[3], -1.0, 1.0);
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        glLoadIdentity();

        const float scale = wantedPixels / builtPixels_;
        const float em = wantedPixels;
        const float x = position_.x * static_cast<float>(box[2]);
        const float risen = scroll_ * std::max(0.0f, host->time() - scrollStart_);
        const float y = (position_.y + risen) * static_cast<float>(box[3]);
        if (shadowColour_.w > 0.0f && (shadow_.x != 0.0f || shadow_.y != 0.0f))
            drawGlyphs(x + shadow_.x * em, y + shadow_.y * em, scale, shadowColour_);
        if (outline_ > 0.0f && outlineColour_.w > 0.0f) {
            const float r = outline_ * em;
            const float d = r * 0.7071f;
            const float offsets[8][2] = {{r, 0}, {-r, 0}, {0, r},  {0, -r},
                                         {d, d}, {-d, d}, {d, -d}, {-d, -d}};
            for (const auto& offset : offsets)
                drawGlyphs(x + offset[0], y + offset[1], scale, outlineColour_);
        }
        drawGlyphs(x, y, scale, colour_);

        glPopMatrix();
        glMatrixMode(GL_PROJECTION);
        glPopMatrix();
        glMatrixMode(GL_MODELVIEW);
    }

protected:
    void changed(const ParamRecord& param) override {
        if (param.target == &font_ && loaded()) openFont();
        if (param.target == &spacing_) layoutStale_ = true;
    }

    int prepare() override {
        glGenTextures(1, &texture_);
        openFont();
        return 0;
    }

private:
    void openFont() {
        face_.close();
        layoutStale_ = true;
        if (!font_.name[0]) {
            hostLog("%s: no font given; nothing is drawn", name);
            return;
        }
        face_.loadFile(name, font_.name);
    }

    void rebuild(float wantedPixels, int viewportHeight) {
        layoutStale_ = false;
        builtForHeight_ = viewportHeight;
        atlas_.clear();
        if (face_.setPixelSize(static_cast<int>(std::lround(wantedPixels))) != 0) {
            hostLog("%s: font %s has no size of %.0f pixels", name, font_.name, wantedPixels);
            face_.close();
            return;
        }
        builtPixels_ = static_cast<float>(face_.pixelSize());
        layout_.build(name, text_, face_, atlas_, spacing_ * builtPixels_);
    }

    void uploadAtlas() {
        if (uploadedRevision_ == atlas_.revision()) return;
        uploadedRevision_ = atlas_.revision();
        glBindTexture(GL_TEXTURE_2D, texture_);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA, atlas_.width(), atlas_.height(), 0, GL_ALPHA,
                     GL_UNSIGNED_BYTE, atlas_.pixels());
    }

    // One pass over the shown glyphs with the anchor at (x, y) pixels of the viewport.
    void drawGlyphs(float x, float y, float scale, const Vec4& colour) {
        const int shown = layout_.shownCharacters(reveal_);
        const TextAlign align = static_cast<TextAlign>(align_.index);
        const float invWidth = 1.0f / static_cast<float>(atlas_.width());
        const float invHeight = 1.0f / static_cast<float>(atlas_.height());
        glColor4f(colour.x, colour.y, colour.z, colour.w);
        glBegin(GL_QUADS);
        int line = -1;
        float originX = 0.0f;
        const float originY = std::round(y);
        for (const PlacedGlyph& glyph : layout_.glyphs()) {
            if (glyph.character >= shown) continue;
            if (glyph.line != line) {
                line = glyph.line;
                originX = std::round(x + layout_.lineStart(line, align) * scale);
            }
            const GlyphSlot& slot = glyph.slot;
            const float left = originX + static_cast<float>(glyph.x) * scale;
            const float bottom = originY + static_cast<float>(glyph.y) * scale;
            const float right = left + static_cast<float>(slot.width) * scale;
            const float top = bottom + static_cast<float>(slot.height) * scale;
            const float u0 = static_cast<float>(slot.x) * invWidth;
            const float u1 = static_cast<float>(slot.x + slot.width) * invWidth;
            // Atlas rows run downwards, the quad upwards.
            const float vTop = static_cast<float>(slot.y) * invHeight;
            const float vBottom = static_cast<float>(slot.y + slot.height) * invHeight;
            glTexCoord2f(u0, vBottom);
            glVertex2f(left, bottom);
            glTexCoord2f(u1, vBottom);
            glVertex2f(right, bottom);
            glTexCoord2f(u1, vTop);
            glVertex2f(right, top);
            glTexCoord2f(u0, vTop);
            glVertex2f(left, top);
        }
        glEnd();
    }

    void releaseTexture() {
        if (texture_) glDeleteTextures(1, &texture_);
        texture_ = 0;
        uploadedRevision_ = 0;
    }

    FileSlot font_;
    char text_[kTextSize] = {};
    float size_ = 0.1f;
    Vec4 colour_ = {1.0f, 1.0f, 1.0f, 1.0f};
    Vec3 position_ = {0.5f, 0.5f, 0.0f};
    ChoiceSlot align_;
    float spacing_ = 0.0f;
    float outline_ = 0.0f;
    Vec4 outlineColour_ = {0.0f, 0.0f, 0.0f, 1.0f};
    Vec3 shadow_ = {0.0f, 0.0f, 0.0f};
    Vec4 shadowColour_ = {0.0f, 0.0f, 0.0f, 0.6f};
    float reveal_ = 1.0f;
    float scroll_ = 0.0f;
    float scrollStart_ = 0.0f;

    FontFace face_;
    GlyphAtlas atlas_;
    TextLayout layout_;
    GLuint texture_ = 0;
    uint32_t uploadedRevision_ = 0;
    float builtPixels_ = 0.0f;
    int builtForHeight_ = 0;
    bool layoutStale_ = true;
};

} // namespace

Effect* makeTextEffect() {
    return new TextEffect;
}
