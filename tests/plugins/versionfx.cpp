// A plugin that says which SDK it was built against: built once as versionfx with this
// SDK's major number and a later minor one (taken), and once as nextmajorfx with the next
// major number (refused).
#include <vornex/plugin.h>

#include <strings.h>

#ifndef VERSIONFX_MAJOR
#define VERSIONFX_MAJOR VORNEX_SDK_VERSION_MAJOR
#endif

VORNEX_PLUGIN_EXPORT uint32_t vornexSdkVersion() {
    return VERSIONFX_MAJOR << 16 | (VORNEX_SDK_VERSION_MINOR + 5);
}

VORNEX_PLUGIN_EXPORT bool hasFX(const char* type) {
    return strcasecmp(type, "versioned") == 0;
}

VORNEX_PLUGIN_EXPORT Effect* getFX(const char* type) {
    return hasFX(type) ? new Effect : nullptr;
}
