// The records check mode keeps per demo: the plugins its loadplugin elements open and the
// effects its add elements make. Shared by the files that make up ScriptCheck.
#pragma once

#include "demo/EffectPlugin.h"
#include "demo/ScriptCheck.h"
#include <vornex/Effect.h>

struct ScriptCheck::Plugin {
    const ScriptNode* element;
    std::string file;
    EffectPlugin library;
    bool opened = false;
};

struct ScriptCheck::AddedEffect {
    std::string name;
    std::string type;
    Effect* instance = nullptr; // owned; made by its plugin, never loaded
    const ScriptNode* element = nullptr;
    ~AddedEffect() { delete instance; }
};
