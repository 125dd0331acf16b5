// A named texture of the demo's registry. The registry owns it; destroying it releases its
// OpenGL texture. Names hold at most 31 characters and are compared without regard to case.
// The layout is part of the plugin contract.
#pragma once

#include "Api.h"

#include "GLTexture.h"

#include <cstddef>

class VORNEX_API Texture {
public:
    static constexpr size_t kNameSize = 32;

    Texture() = default;
    virtual ~Texture();

    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    char name[kNameSize] = {};
    GLTexture texture;
};

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
static_assert(offsetof(Texture, name) == sizeof(void*), "Texture layout");
static_assert(offsetof(Texture, texture) == sizeof(void*) + 32, "Texture layout");
static_assert(sizeof(Texture) == sizeof(void*) + 48, "Texture layout");
#pragma GCC diagnostic pop
