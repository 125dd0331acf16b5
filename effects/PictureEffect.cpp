// picture: a texture stretched over the viewport, upright, multiplied by a colour and
// combined with what is below by a blend mode. Without a texture, a flat colour.
#include "StockEffect.h"
#include "StockEffects.h"
#include "ViewportDrawing.h"

#include <GL/gl.h>

namespace {

class PictureEffect : public StockEffect {
public:
    PictureEffect() : StockEffect("Picture") {
        addTexture("texture", texture_);
        addColour("color", colour_);
        blend_.words = kBlendWords;
        blend_.index = static_cast<int>(Blend::Alpha);
        addChoice("blend", blend_);
    }

    void draw() override {
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_LIGHTING);
        glDisable(GL_CULL_FACE);
        if (texture_.texture) {
            texture_.texture->texture.bind();
            glEnable(GL_TEXTURE_2D);
        } else {
            glDisable(GL_TEXTURE_2D);
        }
        applyBlend(static_cast<Blend>(blend_.index));
        glColor4f(colour_.x, colour_.y, colour_.z, colour_.w);
        drawViewportRect(0.0f, 0.0f, 1.0f, 1.0f);
    }

private:
    TextureSlot texture_;
    Vec4 colour_ = {1.0f, 1.0f, 1.0f, 1.0f};
    ChoiceSlot blend_;
};

} // namespace

Effect* makePictureEffect() {
    return new PictureEffect;
}
