#include "ShaderFrames.h"

#include "GLEntryPoint.h"

#include <cstdlib>

ShaderFrames::~ShaderFrames() {
    // Without a context (after the window closed) the buffers went with it.
    if (glGetString(GL_VERSION)) release();
}

bool ShaderFrames::resolve() {
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    return version && std::atoi(version) >= 3 &&
           findGLEntryPoint(genFramebuffers_, "glGenFramebuffers") &&
           findGLEntryPoint(deleteFramebuffers_, "glDeleteFramebuffers") &&
           findGLEntryPoint(bindFramebuffer_, "glBindFramebuffer") &&
           findGLEntryPoint(framebufferTexture2D_, "glFramebufferTexture2D") &&
           findGLEntryPoint(checkFramebufferStatus_, "glCheckFramebufferStatus");
}

bool ShaderFrames::begin(int width, int height) {
    if (resolved_ == 0) resolved_ = resolve() ? 1 : -1;
    if (resolved_ < 0 || width <= 0 || height <= 0) return false;
    if ((width != width_ || height != height_) && !allocate(width, height)) return false;
    glGetIntegerv(GL_FRAMEBUFFER_BINDING, &outer_);
    bindFramebuffer_(GL_FRAMEBUFFER, framebuffers_[1 - front_]);
    glViewport(0, 0, width, height);
    return true;
}

void ShaderFrames::end() {
    bindFramebuffer_(GL_FRAMEBUFFER, static_cast<GLuint>(outer_));
    front_ = 1 - front_;
}

bool ShaderFrames::allocate(int width, int height) {
    release();
    GLint outer = 0, boundTexture = 0;
    glGetIntegerv(GL_FRAMEBUFFER_BINDING, &outer);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &boundTexture);
    glGenTextures(2, textures_);
    genFramebuffers_(2, framebuffers_);
    bool complete = true;
    for (int i = 0; i < 2; ++i) {
        glBindTexture(GL_TEXTURE_2D, textures_[i]);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                     nullptr);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        bindFramebuffer_(GL_FRAMEBUFFER, framebuffers_[i]);
        framebufferTexture2D_(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, textures_[i], 0);
        complete = complete && checkFramebufferStatus_(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
        // The first frame reads black, not whatever the driver's memory held.
        glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(boundTexture));
    bindFramebuffer_(GL_FRAMEBUFFER, static_cast<GLuint>(outer));
    if (!complete) {
        release();
        return false;
    }
    width_ = width;
    height_ = height;
    return true;
}

void ShaderFrames::release() {
    if (framebuffers_[0]) deleteFramebuffers_(2, framebuffers_);
    if (textures_[0]) glDeleteTextures(2, textures_);
    framebuffers_[0] = framebuffers_[1] = 0;
    textures_[0] = textures_[1] = 0;
    width_ = height_ = 0;
}
