#include "platform/FrameTimer.h"

#include "platform/native/Native.h"

namespace {
// Single-precision constants, applied in extended precision.
constexpr float kSecondsPerTick = 0.001f;
constexpr float kTenMsPerTick = 0.1f;
} // namespace

void FrameTimer::reset() {
    frames_ = 0;
    delta_ = 0.0f;
    fps_ = 0.0f;
    lastTick_ = native::getTickCount();
}

void FrameTimer::tick() {
    ++frames_;
    const uint32_t now = native::getTickCount();
    // Unsigned difference: still small and positive when the counter wraps.
    const uint32_t elapsed = now - lastTick_;
    // A tick in the same millisecond divides by zero: an infinite rate, not an error.
    fps_ = static_cast<float>(static_cast<long double>(frames_) /
                              (static_cast<long double>(elapsed) * kSecondsPerTick));
    frames_ = 0;
    pacingTick_ = now;
    lastTick_ = now;
    delta_ = static_cast<float>(static_cast<long double>(elapsed) * kTenMsPerTick);
}
