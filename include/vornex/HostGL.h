// OpenGL entry points for effects, without a window-system header: the player answers
// through the native layer its own extension loader uses. Names as in GL/glext.h
// ("glCreateShader"); null when the context offers no such function. A non-null result is
// callable only when the context's version or extension string offers the function, so
// check those first. Call from the player's calls into the effect, where a context is
// current.
#pragma once

#include "Api.h"

using HostGLProc = void (*)();

VORNEX_API HostGLProc hostGLProc(const char* name);
