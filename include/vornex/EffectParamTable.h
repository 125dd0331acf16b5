// The parameter table an effect returns from params(): owned by the effect, only read by
// the player, which logs it once when the effect is added. Layout is part of the plugin
// contract: never reorder or resize.
#pragma once

#include "EffectParam.h"

#include <cstddef>
#include <cstdint>

struct EffectParamTable {
    const char* displayName;
    uint32_t count;
    EffectParam** params; // `count` pointers
};

static_assert(offsetof(EffectParamTable, displayName) == 0, "EffectParamTable layout");
static_assert(offsetof(EffectParamTable, count) == sizeof(void*), "EffectParamTable layout");
static_assert(offsetof(EffectParamTable, params) == 2 * sizeof(void*), "EffectParamTable layout");
