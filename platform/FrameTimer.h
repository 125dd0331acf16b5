// The frame clock: duration of the last frame (in units of 10 ms) and the frame rate, on
// the native millisecond tick counter. One counter read per tick, no allocation.
#pragma once

#include <cstdint>

class FrameTimer {
public:
    // frames, delta and fps to 0, lastTick to now; pacingTick stays.
    void reset();
    // Ends a frame.
    void tick();
    float getFps() const { return fps; }
    float getDelta() const { return delta; }

    // Ticks since the rate was last computed (1 at each computation).
    uint32_t frames = 0;
    // Time of the last reset or tick: the base of the next frame duration.
    uint32_t lastTick = 0;
    // Time of the last tick only: frame pacing waits on it.
    uint32_t pacingTick = 0;
    float delta = 0.0f;
    float fps = 0.0f;
};
