// The base of every effect a plugin creates. The player writes `name`, `type` and `host`
// when it adds the effect and reads `renderState`, `enabled` and `viewport` every frame;
// the effect owns everything else. Objects are destroyed through their own virtual
// destructor, so their memory goes back to the plugin that made them.
// Field order, widths and the order of the virtual operations are part of the plugin
// contract: never reorder or resize.
#pragma once

#include "EffectParamTable.h"
#include "EffectRenderState.h"

#include <cstddef>
#include <cstdint>

class DemoHost;
struct ScriptNode;

// Drawing rectangle as fractions of the window's client size.
struct EffectViewport {
    float x, y, width, height;
};

class Effect {
public:
    static constexpr size_t kNameSize = 16;

    virtual ~Effect() = default;
    virtual int load() { return 0; }
    virtual int unload() { return 0; }
    // `delta`: the frame step in hundredths of a second times the play speed (negative
    // while rewinding).
    virtual void update(float) {}
    virtual void draw() {}
    // A script element named after this instance; valid until the demo is destroyed.
    virtual void configure(ScriptNode*) {}
    virtual void resize(int, int) {}
    virtual EffectParamTable* params() { return nullptr; }
    // `buttons`: bit 0 left, 1 middle, 2 right held; `released`: the bit of the button just
    // released, 0 for moves and wheel; `now` and `before`: cursor x, y (0..1 of the client
    // area) and wheel sum, now and before the change.
    virtual void mouse(uint32_t, uint32_t, float*, float*) {}

    EffectRenderState* renderState = nullptr;
    uint32_t reserved = 0;
    char name[kNameSize] = {};
    char type[kNameSize] = {};
    bool enabled = true;
    EffectViewport viewport = {0.0f, 0.0f, 1.0f, 1.0f};
    DemoHost* host = nullptr;
};

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
static_assert(offsetof(Effect, renderState) == sizeof(void*), "Effect layout");
static_assert(offsetof(Effect, reserved) == 2 * sizeof(void*), "Effect layout");
static_assert(offsetof(Effect, name) == 2 * sizeof(void*) + 4, "Effect layout");
static_assert(offsetof(Effect, type) == 2 * sizeof(void*) + 20, "Effect layout");
static_assert(offsetof(Effect, enabled) == 2 * sizeof(void*) + 36, "Effect layout");
static_assert(offsetof(Effect, viewport) == 2 * sizeof(void*) + 40, "Effect layout");
static_assert(offsetof(Effect, host) == 2 * sizeof(void*) + 56, "Effect layout");
static_assert(sizeof(Effect) == 3 * sizeof(void*) + 56, "Effect layout");
#pragma GCC diagnostic pop
