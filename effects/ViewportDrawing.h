// Drawing in the viewport the player set for an effect: flat rectangles given as fractions
// of the viewport, and scissoring to it so that clears stay inside.
#pragma once

#include <vornex/plugin.h>

// Limits clears to the current OpenGL viewport (the attribute stack restores the scissor).
void scissorToViewport();

// A rectangle from (x, y) with size (width, height) in fractions of the viewport, from its
// bottom-left corner, with texture coordinates 0..1 across it. Uses identity matrices for
// the drawing and puts the caller's matrices back.
void drawViewportRect(float x, float y, float width, float height);

// How a flat picture is combined with what is drawn before it.
enum class Blend { None, Alpha, Add, Multiply };

// The words of Blend in order, for a choice parameter.
extern const char* const kBlendWords[];

void applyBlend(Blend blend);
