// The render-state object an effect may hang on its `renderState` field. The player calls
// apply() right before it sets the effect's viewport and, after draw(), pops the OpenGL
// attribute stack when popAttributes is set (so apply() may push it). The other
// operations are for the effect's own use; they keep their slots so that apply() stays
// the fifth operation. Layout is part of the plugin contract: never reorder.
#pragma once

#include <cstddef>

class EffectRenderState {
public:
    virtual ~EffectRenderState() = default;
    virtual void save() {}
    virtual void restore() {}
    virtual void reset() {}
    virtual void apply() {}

    bool popAttributes = false;
};

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
static_assert(offsetof(EffectRenderState, popAttributes) == sizeof(void*),
              "EffectRenderState layout");
#pragma GCC diagnostic pop
