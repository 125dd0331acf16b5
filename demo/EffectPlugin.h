// One loaded plugin library and its two exports. The demo keeps up to 16 and closes them
// only after every effect they made has been destroyed.
#pragma once

#include "platform/native/Native.h"
#include <vornex/EffectExports.h>

#include <cstdint>

class Effect;

class EffectPlugin {
public:
    EffectPlugin() = default;
    ~EffectPlugin() { close(); }
    EffectPlugin(const EffectPlugin&) = delete;
    EffectPlugin& operator=(const EffectPlugin&) = delete;

    // Loads the library (through the native search rule) and checks both exports, the SDK
    // major version, the record sizes when the library exports them, and on Windows the
    // player symbols it imports. 0 on success; -1
    // leaves nothing loaded, with the reason in failure() when a file was found.
    int open(const char* fileName);
    // After a failed open: the SDK version of a library refused for its major version;
    // 0 when it failed for another reason.
    uint32_t refusedSdkVersion() const { return refusedSdkVersion_; }
    // After a failed open: true when the library was built against another player: a record's
    // size differs from the player's, or it uses a symbol the player lacks (failure() names
    // it).
    bool refusedBuild() const { return refusedBuild_; }
    // Why the last open failed although the file exists, readable; empty otherwise.
    const char* failure() const { return failure_; }
    // A new effect of that type when the library knows it, else null.
    Effect* createEffect(const char* type);
    // The type names the library lists (ended by a null pointer), or null when it lists none.
    const char* const* typeNames() const { return listFx ? listFx() : nullptr; }
    void close();

private:
    native::LibraryHandle library = nullptr;
    HasFxFunction hasFx = nullptr;
    GetFxFunction getFx = nullptr;
    uint32_t refusedSdkVersion_ = 0;
    bool refusedBuild_ = false;
    char failure_[1024] = {};
    ListFxFunction listFx = nullptr;
};
