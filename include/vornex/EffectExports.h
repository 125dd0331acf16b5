// The entry points a plugin library exports, as plain C functions:
//   hasFX(type)         true when the library can create effects of that type name;
//   getFX(type)         a new effect of that type (the player takes ownership), or null;
//   vornexSdkVersion()  optional: the kSdkVersion (plugin.h) the library was built with;
//   vornexSdkRecordSizes()  optional: sdkRecordSizes() (SdkRecordSizes.h) as the library's
//                       compiler measured them;
//   listFX()            optional: the type names the library offers, ended by a null
//                       pointer; the player asks only in check mode, to name the types a
//                       misspelt one could be.
//   vornexSdkMissingImport()  on Windows, given by the SDK's stub (libvornex-plugin.a), not
//                       written by the plugin: the first player symbol the library uses
//                       that the running player does not export, or null.
// A plugin defines them with VORNEX_PLUGIN_EXPORT so they stay visible in the library.
#pragma once

#include "Api.h"

#include <cstdint>

class Effect;
struct SdkRecordSize;

using HasFxFunction = bool (*)(const char* type);
using GetFxFunction = Effect* (*)(const char* type);
using SdkVersionFunction = uint32_t (*)();
using ListFxFunction = const char* const* (*)();
using SdkRecordSizesFunction = const SdkRecordSize* (*)();
using SdkMissingImportFunction = const char* (*)();

VORNEX_PLUGIN_EXPORT bool hasFX(const char* type);
VORNEX_PLUGIN_EXPORT Effect* getFX(const char* type);
VORNEX_PLUGIN_EXPORT uint32_t vornexSdkVersion();
VORNEX_PLUGIN_EXPORT const char* const* listFX();
VORNEX_PLUGIN_EXPORT const SdkRecordSize* vornexSdkRecordSizes();
VORNEX_PLUGIN_EXPORT const char* vornexSdkMissingImport();
