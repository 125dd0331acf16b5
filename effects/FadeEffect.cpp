// fade: a colour over the viewport whose alpha ramps in a straight line between two demo
// times. The alpha comes from the demo time, so seeking shows the right shade at once.
#include "StockEffect.h"
#include "StockEffects.h"
#include "ViewportDrawing.h"

#include <GL/gl.h>

namespace {

class FadeEffect : public StockEffect {
public:
    FadeEffect() : StockEffect("Fade") {
        addColour("color", colour_);
        addNumber("start", start_);
        addNumber("end", end_);
        addNumber("from", from_);
        addNumber("to", to_);
    }

    void draw() override {
        const float alpha = colour_.w * ramp(host->time());
        if (alpha <= 0.0f) return;
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_LIGHTING);
        glDisable(GL_TEXTURE_2D);
        applyBlend(Blend::Alpha);
        glColor4f(colour_.x, colour_.y, colour_.z, alpha);
        drawViewportRect(0.0f, 0.0f, 1.0f, 1.0f);
    }

private:
    float ramp(float time) const {
        if (time < start_) return from_;
        if (end_ <= start_ || time >= end_) return to_;
        return from_ + (to_ - from_) * (time - start_) / (end_ - start_);
    }

    Vec4 colour_ = {0.0f, 0.0f, 0.0f, 1.0f};
    float start_ = 0.0f;
    float end_ = 1.0f;
    float from_ = 1.0f;
    float to_ = 0.0f;
};

} // namespace

Effect* makeFadeEffect() {
    return new FadeEffect;
}
