// A named render-target slot of the draw order. It has exactly the layout and behaviour of
// a Texture; surfaces made by the surface list never get an OpenGL texture.
#pragma once

#include <vornex/Texture.h>

class Surface : public Texture {};
