// The attributes every effect takes from its configuration elements, read as the stock
// effects read them: enabled="0|1" (an integer, non-zero meaning on) and
// viewport="x,y,width,height" (fractions of the window, read like a vector; components not
// given keep their value). Header-only.
#pragma once

#include "Effect.h"
#include "ScriptNode.h"
#include "ScriptValue.h"

#include <cstdio>

// Applies `attribute` to the effect when it is `enabled` or `viewport`; true when it was
// one of them, so the caller skips it.
inline bool readEffectAttribute(Effect& effect, const ScriptAttribute& attribute) {
    if (sameScriptName(attribute.name, "enabled")) {
        scriptValue(attribute.value, effect.enabled);
        return true;
    }
    if (sameScriptName(attribute.name, "viewport")) {
        EffectViewport& box = effect.viewport;
        float* const components[] = {&box.x, &box.y, &box.width, &box.height};
        scriptFloats(attribute.value, components, 4);
        return true;
    }
    return false;
}
