// The blue-first pixel formats of the EXT_bgra extension, in which images are uploaded;
// named here because the GL 1.1 header of Windows lacks them.
#pragma once

#include <GL/gl.h>

constexpr GLenum kBgrExt = 0x80E0;
constexpr GLenum kBgraExt = 0x80E1;
