// The sync half of Demo: the `sync` and `drive` elements and the tracks offered to effects.
#include "demo/Demo.h"

void Demo::defineSync(ScriptNode& element) {
    sync_.defineSync(element);
}

void Demo::defineDrive(ScriptNode& element) {
    sync_.defineDrive(element);
}

int32_t Demo::syncTrack(const char* name) {
    return sync_.track(name);
}

float Demo::syncValue(int32_t track) {
    return sync_.value(track);
}
