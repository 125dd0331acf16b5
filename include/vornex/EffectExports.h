// The two entry points every plugin library exports, as plain C functions:
//   hasFX(type)  true when the library can create effects of that type name;
//   getFX(type)  a new effect of that type (the player takes ownership), or null.
// A plugin defines them with VORNEX_PLUGIN_EXPORT so they stay visible in the library.
#pragma once

#include "Api.h"

class Effect;

using HasFxFunction = bool (*)(const char* type);
using GetFxFunction = Effect* (*)(const char* type);

VORNEX_PLUGIN_EXPORT bool hasFX(const char* type);
VORNEX_PLUGIN_EXPORT Effect* getFX(const char* type);
