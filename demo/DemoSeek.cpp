// Jumps of the demo time (a start time, edit mode's seek keys, the sync editor) through the
// same path as a seek with the mouse.
#include "demo/Demo.h"

#include "demo/ResourceRegistry.h"
#include <vornex/Effect.h>

#include <strings.h>

void Demo::jumpTo(double seconds) {
    const double target = seconds > 0.0 ? seconds : 0.0;
    const float moved = static_cast<float>((target - exactTime()) * 100.0);
    setExactTime(target);
    seeking_ = true;
    for (uint32_t i = 0; i < effectCount_; ++i)
        if (strcasecmp(effects[i]->type, "musicplay") == 0) effects[i]->update(moved);
    events_.jumpPass(static_cast<float>(target), *this);
    registry_->cameras.updateCameras(moved);
    seeking_ = false;
}
