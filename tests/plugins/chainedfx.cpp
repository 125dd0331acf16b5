// A plugin whose helper DLL is there but lacks one of its own (Windows only): the player
// must name the DLL that is missing and the one that needs it.
#include <vornex/plugin.h>

namespace unresolvedfx {
__declspec(dllimport) bool chainedHelper(const char* type);
}

VORNEX_PLUGIN_EXPORT bool hasFX(const char* type) {
    return unresolvedfx::chainedHelper(type);
}

VORNEX_PLUGIN_EXPORT Effect* getFX(const char*) {
    return nullptr;
}
