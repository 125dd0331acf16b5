// A library that exports only one of the two entry points, so the player must refuse it:
// built once with HALFFX_HAS_ONLY (hasFX alone) and once without (getFX alone).
#include <vornex/plugin.h>

#ifdef HALFFX_HAS_ONLY
VORNEX_PLUGIN_EXPORT bool hasFX(const char*) {
    return true;
}
#else
VORNEX_PLUGIN_EXPORT Effect* getFX(const char*) {
    return nullptr;
}
#endif
