// Everything an effect plugin builds against: the effect base and its render state, the
// parameter table, the host interface, the exports, the records the player hands over
// (script elements, cameras, textures, images, vectors), the music, log and OpenGL entry
// point calls, and header-only helpers (attribute reading, declared parameters).
#pragma once

#include "Api.h"
#include "Audio.h"
#include "Camera.h"
#include "CameraKey.h"
#include "DemoHost.h"
#include "Effect.h"
#include "EffectAttributes.h"
#include "EffectExports.h"
#include "EffectParam.h"
#include "EffectParamSet.h"
#include "EffectParamTable.h"
#include "EffectRenderState.h"
#include "GLTexture.h"
#include "HostGL.h"
#include "HostLog.h"
#include "Image.h"
#include "ScriptNode.h"
#include "ScriptValue.h"
#include "SdkRecordSizes.h"
#include "Texture.h"
#include "Vec3.h"
#include "Vec4.h"

#include <cstdint>

// The version of these headers. The major number changes when a record's layout or an
// operation's slot changes, since a plugin built against another major version would read
// the player's records wrongly; the minor number grows with additions only (a helper, an
// operation appended after the last slot). A plugin says which version it was built
// against by exporting vornexSdkVersion, and how its compiler laid out the shared records by
// exporting vornexSdkRecordSizes (EffectExports.h, SdkRecordSizes.h):
//     VORNEX_PLUGIN_EXPORT uint32_t vornexSdkVersion() { return kSdkVersion; }
//     VORNEX_PLUGIN_EXPORT const SdkRecordSize* vornexSdkRecordSizes() {
//         return sdkRecordSizes();
//     }
// The player refuses a library of another major version, or with a record of another size;
// one without those exports is taken to be of the player's own version and layout.
#define VORNEX_SDK_VERSION_MAJOR 1
#define VORNEX_SDK_VERSION_MINOR 2

constexpr uint32_t kSdkVersionMajor = VORNEX_SDK_VERSION_MAJOR;
constexpr uint32_t kSdkVersionMinor = VORNEX_SDK_VERSION_MINOR;
// Major in the high 16 bits, minor in the low 16.
constexpr uint32_t kSdkVersion = kSdkVersionMajor << 16 | kSdkVersionMinor;

constexpr uint32_t sdkVersionMajor(uint32_t version) {
    return version >> 16;
}
constexpr uint32_t sdkVersionMinor(uint32_t version) {
    return version & 0xffffu;
}
