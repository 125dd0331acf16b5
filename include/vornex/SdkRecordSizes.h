// The size of every record the player and a plugin share, as the compiler at hand lays it
// out. A plugin exports its table (vornexSdkRecordSizes, EffectExports.h) and the player
// compares it with its own when it loads the library: one built by a compiler, or with
// options, that lay a record out otherwise is refused with that record's name, instead of
// reading the player's records wrongly. Records are only appended, with a new minor SDK
// version; a shorter table comes from an older minor version and is compared as far as it
// goes.
#pragma once

#include "Camera.h"
#include "CameraKey.h"
#include "Effect.h"
#include "EffectParam.h"
#include "EffectParamTable.h"
#include "EffectRenderState.h"
#include "GLTexture.h"
#include "Image.h"
#include "ScriptNode.h"
#include "Texture.h"
#include "Vec3.h"
#include "Vec4.h"

#include <cstdint>

struct SdkRecordSize {
    const char* name;
    uint32_t size;
};

// The table as this compiler sees the records, ended by a null name. Inline, so that a
// plugin's copy is measured by the plugin's compiler.
inline const SdkRecordSize* sdkRecordSizes() {
    static const SdkRecordSize sizes[] = {
        {"Effect", sizeof(Effect)},
        {"EffectViewport", sizeof(EffectViewport)},
        {"EffectRenderState", sizeof(EffectRenderState)},
        {"EffectParam", sizeof(EffectParam)},
        {"EffectParamTable", sizeof(EffectParamTable)},
        {"ScriptAttribute", sizeof(ScriptAttribute)},
        {"ScriptNode", sizeof(ScriptNode)},
        {"Camera", sizeof(Camera)},
        {"CameraKey", sizeof(CameraKey)},
        {"Texture", sizeof(Texture)},
        {"GLTexture", sizeof(GLTexture)},
        {"cFormat", sizeof(cFormat)},
        {"Vec3", sizeof(Vec3)},
        {"Vec4", sizeof(Vec4)},
        {nullptr, 0},
    };
    return sizes;
}
