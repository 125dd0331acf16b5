// Jumps of the demo time (a start time, edit mode's seek keys) through the same path as a
// seek with the mouse.
#include "demo/Demo.h"

#include "demo/ResourceRegistry.h"
#include <vornex/Effect.h>

#include <strings.h>

void Demo::jumpBy(float seconds) {
    float target = time_ + seconds;
    if (target < 0.0f) target = 0.0f;
    const float scaled = (target - time_) * 100.0f;
    if (target < time_) events.rewind();
    time_ = target;
    seeking_ = true;
    for (uint32_t i = 0; i < effectCount_; ++i)
        if (strcasecmp(effects[i]->type, "musicplay") == 0) effects[i]->update(scaled);
    events.seekPass(time_, *this);
    registry->cameras.updateCameras(scaled);
    seeking_ = false;
}
