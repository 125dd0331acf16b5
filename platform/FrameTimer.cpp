#include "platform/FrameTimer.h"

#include "platform/native/Native.h"

namespace {
// Single-precision constants, applied in extended precision.
constexpr float kSecondsPerTick = 0.001f;
constexpr float kTenMsPerTick = 0.1f;
} // namespace

void FrameTimer::reset() {
    frames = 0;
    delta = 0.0f;
    fps = 0.0f;
    lastTick = native::getTickCount();
}

void FrameTimer::tick() {
    ++frames;
    const uint32_t now = native::getTickCount();
    // Unsigned difference: still small and positive when the counter wraps.
    const uint32_t elapsed = now - lastTick;
    // A tick in the same millisecond divides by zero: an infinite rate, not an error.
    fps = static_cast<float>(static_cast<long double>(frames) /
                             (static_cast<long double>(elapsed) * kSecondsPerTick));
    frames = 0;
    pacingTick = now;
    lastTick = now;
    delta = static_cast<float>(static_cast<long double>(elapsed) * kTenMsPerTick);
}
