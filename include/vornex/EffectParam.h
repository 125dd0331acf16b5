// One parameter an effect declares for the log. The player reads only the type code and
// the name; an effect derives its own parameter records from this one and keeps its
// values there. Layout is part of the plugin contract: never reorder or resize.
#pragma once

#include <cstddef>
#include <cstdint>

enum EffectParamType : uint32_t {
    kParamTexture = 0,
    kParamCamera = 1,
    kParamVec4f = 2,
    kParamVec3f = 3,
    kParamInteger = 4,
    kParamBoolean = 5,
    kParamFloat = 6,
    // 7 is what plugins built with SDK 1.1 report for a value without a code of its own (a
    // file or a choice), so it stays "unknown".
    // One to four numbers, as many as the value the effect finds out about later takes (a
    // shader uniform, whose type the compiled shader tells).
    kParamNumbers = 8,
};

struct EffectParam {
    uint32_t type; // an EffectParamType; other codes are reported as "unknown"
    const char* name;
};

static_assert(offsetof(EffectParam, type) == 0, "EffectParam layout");
static_assert(offsetof(EffectParam, name) == sizeof(void*), "EffectParam layout");
