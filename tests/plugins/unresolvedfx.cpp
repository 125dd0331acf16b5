// A plugin that calls a function no library provides, so loading it fails on an unresolved
// C++ symbol: the player must name it readably.
#include <vornex/plugin.h>

namespace unresolvedfx {
bool missingHelper(const char* type);
}

VORNEX_PLUGIN_EXPORT bool hasFX(const char* type) {
    return unresolvedfx::missingHelper(type);
}

VORNEX_PLUGIN_EXPORT Effect* getFX(const char*) {
    return nullptr;
}
