#include <vornex/GLTexture.h>

#include "resource/PixelFormats.h"
#include "resource/TextureRules.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <cstdio>

int GLTexture::create(int width, int height, int bitsPerPixel) {
    // Compared by scripts and tests: keep the texts exactly.
    switch (textureFault(width, height, bitsPerPixel)) {
    case TextureFault::Depth:
        std::printf("Error: bad texture depth (%i)\n", bitsPerPixel);
        return -1;
    case TextureFault::Size:
        std::printf("Error: bad texture dimensions (w%i h%i) too small/large\n", width, height);
        return -1;
    case TextureFault::WidthNotPowerOfTwo:
        std::printf("Error: bad texture dimensions (w%i), not power of 2\n", width);
        return -1;
    case TextureFault::HeightNotPowerOfTwo:
        std::printf("Error: bad texture dimensions (h%i), not power of 2\n", height);
        return -1;
    case TextureFault::None:
        break;
    }
    glGenTextures(1, &glName);
    bind();
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    this->width = uint32_t(width);
    this->height = uint32_t(height);
    bytesPerPixel = uint32_t(bitsPerPixel) / 8;
    if (bytesPerPixel == 4)
        glTexImage2D(GL_TEXTURE_2D, 0, 4, width, height, 0, kBgraExt, GL_UNSIGNED_BYTE, nullptr);
    else
        glTexImage2D(GL_TEXTURE_2D, 0, 3, width, height, 0, kBgrExt, GL_UNSIGNED_BYTE, nullptr);
    return 0;
}

void GLTexture::bind() {
    // A texture without a picture (refused, or a surface) unbinds whatever was bound, so
    // another texture's pixels never show in its place: effects draw their plain colour.
    if (glName == 0) {
        glBindTexture(GL_TEXTURE_2D, 0);
        glDisable(GL_TEXTURE_2D);
        return;
    }
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, glName);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
}

void GLTexture::upload(const void* pixels) {
    if (glName == 0 || !pixels) return;
    bind();
    const GLenum format = bytesPerPixel == 4 ? kBgraExt : kBgrExt;
    const GLint components = bytesPerPixel == 4 ? 4 : 3;
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, GLsizei(width), GLsizei(height), format,
                    GL_UNSIGNED_BYTE, pixels);
    gluBuild2DMipmaps(GL_TEXTURE_2D, components, GLsizei(width), GLsizei(height), format,
                      GL_UNSIGNED_BYTE, pixels);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
}

void GLTexture::release() {
    if (glName == 0) return;
    glDeleteTextures(1, &glName);
    glName = 0;
}
