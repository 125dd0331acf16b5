// The shader effect's own frames, for a channel set to `self`: two colour textures of the
// viewport's size, each in a framebuffer object (entry points through hostGLProc). The
// shader draws into the back one reading the front one, the frame before; the result is
// then shown in the viewport and becomes the front. Made again only when the viewport's
// size changes.
#pragma once

#include <GL/gl.h>
#include <GL/glext.h>

class ShaderFrames {
public:
    ShaderFrames() = default;
    ~ShaderFrames();
    ShaderFrames(const ShaderFrames&) = delete;
    ShaderFrames& operator=(const ShaderFrames&) = delete;

    // Makes the back frame the draw target, `width` x `height`, with a viewport over all of
    // it. False (nothing changed) when the driver has no framebuffer objects or refuses
    // the size.
    bool begin(int width, int height);
    // Back to the frame buffer that was bound before begin(); the drawn frame becomes the
    // front one.
    void end();

    // The previous frame's texture; 0 before the first frame.
    GLuint front() const { return textures_[front_]; }
    int width() const { return width_; }
    int height() const { return height_; }

    void release();

private:
    bool resolve();
    bool allocate(int width, int height);

    PFNGLGENFRAMEBUFFERSPROC genFramebuffers_ = nullptr;
    PFNGLDELETEFRAMEBUFFERSPROC deleteFramebuffers_ = nullptr;
    PFNGLBINDFRAMEBUFFERPROC bindFramebuffer_ = nullptr;
    PFNGLFRAMEBUFFERTEXTURE2DPROC framebufferTexture2D_ = nullptr;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC checkFramebufferStatus_ = nullptr;
    int resolved_ = 0; // 0 not tried, 1 ready, -1 unavailable
    GLuint textures_[2] = {0, 0};
    GLuint framebuffers_[2] = {0, 0};
    int front_ = 0;
    int width_ = 0;
    int height_ = 0;
    GLint outer_ = 0; // the frame buffer bound before begin()
};
