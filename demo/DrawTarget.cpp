#include "demo/DrawTarget.h"

#include "resource/RenderTarget.h"

void DrawTarget::switchTo(RenderTarget* target, int windowWidth, int windowHeight) {
    RenderTarget* previous = current_;
    current_ = nullptr;
    if (previous) previous->finishDrawing();
    if (target && target->beginDrawing(windowWidth, windowHeight) == 0) {
        current_ = target;
        width_ = target->width();
        height_ = target->height();
        return;
    }
    if (previous) previous->drawToWindow();
}

void DrawTarget::finish() {
    switchTo(nullptr, 0, 0);
}
