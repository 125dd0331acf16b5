// A plugin built against a later SDK, on Windows: it calls a player function this player
// does not export, through an import slot of the SDK's stub. Its own constructor calls the
// function before the player can check the library; the player must then refuse it,
// naming the function, and go on.
#include <vornex/plugin.h>

// As a later SDK's Audio.h would declare it.
VORNEX_API int musicFadeOut(MusicHandle music, double seconds);

namespace {

struct EarlyCall {
    EarlyCall() { musicFadeOut(0, 1.0); }
} earlyCall;

} // namespace

VORNEX_PLUGIN_EXPORT bool hasFX(const char* type) {
    return sameScriptName(type, "later") && musicFadeOut(0, 1.0) == 0;
}

VORNEX_PLUGIN_EXPORT Effect* getFX(const char*) {
    return nullptr;
}
