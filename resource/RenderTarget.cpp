#include "resource/RenderTarget.h"

#include "resource/Surface.h"
#include <vornex/HostLog.h>

RenderTarget::RenderTarget(Surface& surface, int width, int height, const FramebufferCalls& calls)
    : surface_(surface), calls_(calls), declaredWidth_(width), declaredHeight_(height) {}

RenderTarget::~RenderTarget() {
    // Without a context (the window closed first) the buffers went with it.
    if (glGetString(GL_VERSION)) release();
    surface_.texture.glName = 0;
}

int RenderTarget::beginDrawing(int windowWidth, int windowHeight) {
    const int wanted[2] = {declaredWidth_ > 0 ? declaredWidth_ : windowWidth,
                           declaredHeight_ > 0 ? declaredHeight_ : windowHeight};
    if (wanted[0] != width_ || wanted[1] != height_) {
        if (wanted[0] == refusedWidth_ && wanted[1] == refusedHeight_) return -1;
        if (allocate(wanted[0], wanted[1]) != 0) {
            refusedWidth_ = wanted[0];
            refusedHeight_ = wanted[1];
            hostLog("surface %s: the driver refused a %ix%i render target; what "
                    "is drawn into it goes to the window",
                    surface_.name, wanted[0], wanted[1]);
            return -1;
        }
    }
    calls_.bindFramebuffer(GL_FRAMEBUFFER, framebuffers_[1 - front_]);
    return 0;
}

void RenderTarget::finishDrawing() {
    front_ = 1 - front_;
    showFront();
}

void RenderTarget::drawToWindow() {
    calls_.bindFramebuffer(GL_FRAMEBUFFER, 0);
}

int RenderTarget::allocate(int width, int height) {
    release();
    if (width <= 0 || height <= 0) return -1;
    glGenTextures(2, colours_);
    calls_.genFramebuffers(2, framebuffers_);
    calls_.genRenderbuffers(1, &depth_);
    calls_.bindRenderbuffer(GL_RENDERBUFFER, depth_);
    calls_.renderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, width, height);
    calls_.bindRenderbuffer(GL_RENDERBUFFER, 0);
    GLint boundTexture = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &boundTexture);
    // The clears below leave the effects' clear values and scissor as they were.
    glPushAttrib(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_SCISSOR_BIT);
    glDisable(GL_SCISSOR_TEST);
    bool complete = true;
    for (int i = 0; i < 2; ++i) {
        glBindTexture(GL_TEXTURE_2D, colours_[i]);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                     nullptr);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        calls_.bindFramebuffer(GL_FRAMEBUFFER, framebuffers_[i]);
        calls_.framebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D,
                                    colours_[i], 0);
        calls_.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER,
                                       depth_);
        complete =
            complete && calls_.checkFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
        // A new buffer starts black, not with whatever the driver's memory held.
        glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    glPopAttrib();
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(boundTexture));
    calls_.bindFramebuffer(GL_FRAMEBUFFER, 0);
    if (!complete) {
        release();
        return -1;
    }
    width_ = width;
    height_ = height;
    showFront();
    return 0;
}

void RenderTarget::release() {
    if (framebuffers_[0]) calls_.deleteFramebuffers(2, framebuffers_);
    if (depth_) calls_.deleteRenderbuffers(1, &depth_);
    if (colours_[0]) glDeleteTextures(2, colours_);
    framebuffers_[0] = framebuffers_[1] = 0;
    colours_[0] = colours_[1] = 0;
    depth_ = 0;
    width_ = height_ = 0;
    surface_.texture = GLTexture{};
}

void RenderTarget::showFront() {
    surface_.texture.glName = colours_[front_];
    surface_.texture.width = static_cast<uint32_t>(width_);
    surface_.texture.height = static_cast<uint32_t>(height_);
    surface_.texture.bytesPerPixel = 4;
}
