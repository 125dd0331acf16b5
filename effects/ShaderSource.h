// Turns a shared shader in the `mainImage(out vec4 fragColor, in vec2 fragCoord)` form into
// a fragment shader the driver compiles: the standard inputs declared, a main() that hands
// over the pixel's position in the viewport and writes the colour out. The GLSL version is
// the file's own `#version` line, or the highest of 330, 130 and 120 the driver offers.
// Line numbers in the compiler's messages stay those of the file. Other shaders pass as
// they are.
#pragma once

#include <string>

// True when the text defines mainImage and no main() of its own.
bool isMainImageShader(const char* source);

// The shader to compile for `source`, a mainImage shader. `offeredVersion` is the
// driver's shading-language version times 100 (450 for "4.50").
std::string wrapMainImage(const char* source, int offeredVersion);

// The version of a GL_SHADING_LANGUAGE_VERSION string times 100; 110 when unreadable.
int shadingLanguageVersion(const char* text);
