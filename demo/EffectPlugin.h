// One loaded plugin library and its two exports. The demo keeps up to 16 and closes them
// only after every effect they made has been destroyed.
#pragma once

#include "platform/native/Native.h"
#include <vornex/EffectExports.h>

class Effect;

class EffectPlugin {
public:
    EffectPlugin() = default;
    ~EffectPlugin() { close(); }
    EffectPlugin(const EffectPlugin&) = delete;
    EffectPlugin& operator=(const EffectPlugin&) = delete;

    // Loads the library (through the native search rule) and checks both exports. 0 on
    // success; -1 leaves nothing loaded.
    int open(const char* fileName);
    // A new effect of that type when the library knows it, else null.
    Effect* createEffect(const char* type);
    void close();

private:
    native::LibraryHandle library = nullptr;
    HasFxFunction hasFx = nullptr;
    GetFxFunction getFx = nullptr;
};
