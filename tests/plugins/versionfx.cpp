// A plugin that says which SDK it was built against and how its compiler laid out the
// shared records: built as versionfx with this SDK's major number and a later minor one
// (taken), as nextmajorfx with the next major number (refused), and as widereffectfx,
// whose table gives Effect eight bytes more, as another compiler's layout would (refused).
#include <vornex/plugin.h>

#include <strings.h>

#ifndef VERSIONFX_MAJOR
#define VERSIONFX_MAJOR VORNEX_SDK_VERSION_MAJOR
#endif

VORNEX_PLUGIN_EXPORT uint32_t vornexSdkVersion() {
    return VERSIONFX_MAJOR << 16 | (VORNEX_SDK_VERSION_MINOR + 5);
}

VORNEX_PLUGIN_EXPORT const SdkRecordSize* vornexSdkRecordSizes() {
#ifdef VERSIONFX_WIDER_EFFECT
    static SdkRecordSize sizes[64];
    for (size_t i = 0; i == 0 || sizes[i - 1].name; ++i) sizes[i] = sdkRecordSizes()[i];
    sizes[0].size += 8;
    return sizes;
#else
    return sdkRecordSizes();
#endif
}

VORNEX_PLUGIN_EXPORT bool hasFX(const char* type) {
    return strcasecmp(type, "versioned") == 0;
}

VORNEX_PLUGIN_EXPORT Effect* getFX(const char* type) {
    return hasFX(type) ? new Effect : nullptr;
}
