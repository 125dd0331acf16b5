// The pixels of a surface declared as a render target: two colour textures with a shared
// depth buffer, each colour texture in a framebuffer object of its own. Effects draw into
// the back one while the surface's texture shows the front one, the previous frame's, so
// an effect that reads the surface it draws into sees what was there a frame ago. The
// buffers are made again only when the size changes. Needs the demo's context current.
#pragma once

#include "resource/FramebufferCalls.h"

class Surface;

class RenderTarget {
public:
    // `width` and `height` of 0 follow the window. Allocates nothing yet.
    RenderTarget(Surface& surface, int width, int height, const FramebufferCalls& calls);
    ~RenderTarget();
    RenderTarget(const RenderTarget&) = delete;
    RenderTarget& operator=(const RenderTarget&) = delete;

    // Makes the back buffer the draw target at the declared size (or the window's),
    // reallocating only when that size changed. Returns -1, with the framebuffer left as it
    // was, when the driver refuses the buffers; that is logged once per size.
    int beginDrawing(int windowWidth, int windowHeight);
    // What was drawn becomes the front, the texture effects read.
    void finishDrawing();
    // The window's frame buffer becomes the draw target again.
    void drawToWindow();

    int width() const { return width_; }
    int height() const { return height_; }

private:
    int allocate(int width, int height);
    void release();
    void showFront();

    Surface& surface_;
    const FramebufferCalls& calls_;
    int declaredWidth_;
    int declaredHeight_;
    int width_ = 0;
    int height_ = 0;
    GLuint colours_[2] = {0, 0};
    GLuint framebuffers_[2] = {0, 0};
    GLuint depth_ = 0;
    int front_ = 0;
    int refusedWidth_ = 0;
    int refusedHeight_ = 0;
};
