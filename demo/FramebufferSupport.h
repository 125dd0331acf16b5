// The framebuffer-object entry points for render targets, through the extension loader:
// the core ones on OpenGL 3.0 or with ARB_framebuffer_object, else those of
// EXT_framebuffer_object. Looked up once, with the demo's context current.
#pragma once

#include "resource/FramebufferCalls.h"

// The calls, or null when the driver offers no framebuffer objects.
const FramebufferCalls* framebufferCalls();
