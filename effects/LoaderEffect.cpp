// loader: the loading screen. The player draws it once before the effects load and once
// after each of them, calling update(1.0) each time; the bar shows those calls against
// the number of effects, so it is empty on the first screen and full after the last.
#include "StockEffect.h"
#include "StockEffects.h"
#include "ViewportDrawing.h"

#include <GL/gl.h>

namespace {

// Where the picture goes in the viewport: centred, above the default bar.
constexpr float kPictureX = 0.3f;
constexpr float kPictureY = 0.25f;
constexpr float kPictureWidth = 0.4f;
constexpr float kPictureHeight = 0.55f;
// The empty part of the bar is the bar's colour at this brightness.
constexpr float kTrackBrightness = 0.25f;

class LoaderEffect : public StockEffect {
public:
    LoaderEffect() : StockEffect("Loader") {
        addColour("color", colour_);
        addColour("background", background_);
        addTexture("texture", texture_);
        addRectangle("bar", bar_);
    }

    // The loading effect is loaded before all others, so each load step starts afresh.
    int prepare() override {
        screens_ = 0;
        loading_ = true;
        return 0;
    }

    void update(float delta) override {
        // Frames of the running demo never come with exactly 1.0 unless lockfps is 100, and
        // the bar is full by then anyway.
        if (loading_ && delta == 1.0f)
            ++screens_;
        else
            loading_ = false;
    }

    void draw() override {
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_LIGHTING);
        scissorToViewport();
        glClearColor(background_.x, background_.y, background_.z, background_.w);
        glClear(GL_COLOR_BUFFER_BIT);
        if (texture_.texture) {
            texture_.texture->texture.bind();
            glEnable(GL_TEXTURE_2D);
            applyBlend(Blend::Alpha);
            glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
            drawViewportRect(kPictureX, kPictureY, kPictureWidth, kPictureHeight);
        }
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_BLEND);
        glColor4f(colour_.x * kTrackBrightness, colour_.y * kTrackBrightness,
                  colour_.z * kTrackBrightness, colour_.w);
        drawViewportRect(bar_.x, bar_.y, bar_.z, bar_.w);
        glColor4f(colour_.x, colour_.y, colour_.z, colour_.w);
        const float filled = progress();
        if (filled > 0.0f) drawViewportRect(bar_.x, bar_.y, bar_.z * filled, bar_.w);
    }

private:
    float progress() const {
        if (!loading_) return 1.0f;
        const uint32_t effects = host->effectCount();
        // The first screen comes before any effect has loaded.
        const float done = static_cast<float>(screens_ > 0 ? screens_ - 1 : 0);
        if (effects == 0 || done >= static_cast<float>(effects)) return 1.0f;
        return done / static_cast<float>(effects);
    }

    Vec4 colour_ = {1.0f, 1.0f, 1.0f, 1.0f};
    Vec4 background_ = {0.0f, 0.0f, 0.0f, 1.0f};
    TextureSlot texture_;
    Vec4 bar_ = {0.2f, 0.1f, 0.6f, 0.04f};
    uint32_t screens_ = 0;
    bool loading_ = false;
};

} // namespace

Effect* makeLoaderEffect() {
    return new LoaderEffect;
}
