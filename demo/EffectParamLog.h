// Reports an effect's parameter table in the log when the effect is added. The player
// never reads or writes parameter values.
#pragma once

#include <cstdint>

struct EffectParamTable;

// "texture", "camera", "vec4f", "vec3f", "integer", "boolean", "float"; "unknown" else.
const char* effectParamTypeWord(uint32_t type);
void logEffectParams(const EffectParamTable& table);
