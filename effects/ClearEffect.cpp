// clear: fills its viewport (only its viewport) with a colour, and clears the depth
// buffer there so that 3D effects drawn after it start afresh.
#include "StockEffect.h"
#include "StockEffects.h"
#include "ViewportDrawing.h"

#include <GL/gl.h>

namespace {

class ClearEffect : public StockEffect {
public:
    ClearEffect() : StockEffect("Clear") {
        addColour("color", colour_);
        addBoolean("depth", depth_);
    }

    void draw() override {
        scissorToViewport();
        glClearColor(colour_.x, colour_.y, colour_.z, colour_.w);
        glDepthMask(GL_TRUE);
        glClearDepth(1.0);
        glClear(GL_COLOR_BUFFER_BIT | (depth_ ? GL_DEPTH_BUFFER_BIT : 0));
    }

private:
    Vec4 colour_ = {0.0f, 0.0f, 0.0f, 1.0f};
    bool depth_ = true;
};

} // namespace

Effect* makeClearEffect() {
    return new ClearEffect;
}
