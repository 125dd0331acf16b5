// The library's exports: the stock effect types by name, and their list.
#include "StockEffects.h"

#include <strings.h>

namespace {

struct EffectType {
    const char* name;
    Effect* (*make)();
};

const EffectType kTypes[] = {
    {"clear", makeClearEffect},         {"picture", makePictureEffect},
    {"fade", makeFadeEffect},           {"mesh", makeMeshEffect},
    {"shader", makeShaderEffect},       {"loader", makeLoaderEffect},
    {"musicplay", makeMusicPlayEffect}, {"capture", makeCaptureEffect},
    {"text", makeTextEffect},
};

const EffectType* findType(const char* name) {
    if (!name) return nullptr;
    for (const EffectType& type : kTypes)
        if (strcasecmp(type.name, name) == 0) return &type;
    return nullptr;
}

} // namespace

VORNEX_PLUGIN_EXPORT uint32_t vornexSdkVersion() {
    return kSdkVersion;
}

VORNEX_PLUGIN_EXPORT const SdkRecordSize* vornexSdkRecordSizes() {
    return sdkRecordSizes();
}

VORNEX_PLUGIN_EXPORT bool hasFX(const char* type) {
    return findType(type) != nullptr;
}

VORNEX_PLUGIN_EXPORT Effect* getFX(const char* type) {
    const EffectType* found = findType(type);
    return found ? found->make() : nullptr;
}

VORNEX_PLUGIN_EXPORT const char* const* listFX() {
    static const char* names[sizeof kTypes / sizeof kTypes[0] + 1] = {};
    for (size_t i = 0; i < sizeof kTypes / sizeof kTypes[0]; ++i) names[i] = kTypes[i].name;
    return names;
}
