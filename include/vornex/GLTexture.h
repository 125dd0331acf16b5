// The OpenGL side of a texture: its texture name, size and depth. Embedded by value in every
// Texture. All textures are 2D, 8..2048 texels and a power of two on each side, 24-bit BGR
// or 32-bit BGRA, with a full mipmap chain once pixels are given. Every operation but
// create does nothing while glName is 0. The layout is part of the plugin contract.
#pragma once

#include "Api.h"

#include <cstddef>
#include <cstdint>

struct VORNEX_API GLTexture {
    uint32_t glName = 0;
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t bytesPerPixel = 0;

    // 0 on success. Refusals print their message to standard output, return -1 and leave
    // the record unchanged. The texels are undefined until upload.
    int create(int width, int height, int bitsPerPixel);
    // Makes the texture current with plain linear filtering, repeat wrapping and modulate.
    void bind();
    // `pixels`: height rows of width pixels, bytesPerPixel bytes each (B, G, R[, A]), rows
    // tightly packed, the first row at texture coordinate t = 0. Rebuilds the mipmaps and
    // leaves trilinear minification until the next bind.
    void upload(const void* pixels);
    void release();
};

static_assert(offsetof(GLTexture, glName) == 0, "GLTexture layout");
static_assert(offsetof(GLTexture, width) == 4, "GLTexture layout");
static_assert(offsetof(GLTexture, height) == 8, "GLTexture layout");
static_assert(offsetof(GLTexture, bytesPerPixel) == 12, "GLTexture layout");
static_assert(sizeof(GLTexture) == 16, "GLTexture layout");
