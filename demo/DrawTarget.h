// Where the draw order's effects draw during a frame: the window, or the render target of
// the surface its last surface item named. Leaving a target makes what was drawn into it
// the surface's texture. Without any render target this makes no OpenGL call, so plain
// surfaces draw exactly as before.
#pragma once

class RenderTarget;

class DrawTarget {
public:
    // A surface item: the current target is finished, and `target` (null: the window)
    // becomes the draw target. A target the driver refuses leaves the window drawing.
    void switchTo(RenderTarget* target, int windowWidth, int windowHeight);
    // The end of the draw pass: the window is the draw target again.
    void finish();

    // The draw target's size in pixels, which effect viewports are fractions of.
    int width(int windowWidth) const { return current_ ? width_ : windowWidth; }
    int height(int windowHeight) const { return current_ ? height_ : windowHeight; }

private:
    RenderTarget* current_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};
