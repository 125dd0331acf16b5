// The sync half of Demo: the `sync` and `drive` elements, the tracks offered to effects,
// and the jump the editor's seeks take.
#include "demo/Demo.h"

#include "demo/ResourceRegistry.h"
#include <vornex/Effect.h>

#include <strings.h>

void Demo::defineSync(ScriptNode& element) {
    sync.defineSync(element);
}

void Demo::defineDrive(ScriptNode& element) {
    sync.defineDrive(element);
}

int32_t Demo::syncTrack(const char* name) {
    return sync.track(name);
}

float Demo::syncValue(int32_t track) {
    return sync.value(track);
}

void Demo::jumpTo(float seconds) {
    const float target = seconds > 0.0f ? seconds : 0.0f;
    const float moved = (target - time_) * 100.0f;
    time_ = target;
    seeking_ = true;
    for (uint32_t i = 0; i < effectCount_; ++i)
        if (strcasecmp(effects[i]->type, "musicplay") == 0) effects[i]->update(moved);
    events.jumpPass(time_, *this);
    registry->cameras.updateCameras(moved);
    seeking_ = false;
}
