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

    // The last frame's duration, in units of 10 ms, and the rate it gives.
    float delta() const { return delta_; }
    float fps() const { return fps_; }
    // Ticks since the rate was last computed (1 at each computation).
    uint32_t frames() const { return frames_; }
    // Time of the last reset or tick: the base of the next frame duration.
    uint32_t lastTick() const { return lastTick_; }
    // Time of the last tick only: frame pacing waits on it.
    uint32_t pacingTick() const { return pacingTick_; }

private:
    uint32_t frames_ = 0;
    uint32_t lastTick_ = 0;
    uint32_t pacingTick_ = 0;
    float delta_ = 0.0f;
    float fps_ = 0.0f;
};
