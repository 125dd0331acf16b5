#include "render/RenderClock.h"

#include <cmath>

namespace {
// Seconds given in decimal are rarely exact in binary: 0.7 * 30 is 21.000000000000004.
constexpr double kFrameCountSlack = 1e-6;
} // namespace

double RenderClock::nextPictureTime(double now) {
    if (picturesOfDemo_ < 0) base_ = now;
    return pictureTime(++picturesOfDemo_);
}

uint32_t RenderClock::pictureWritten() {
    ++frames_;
    const int64_t end = frames_ * sampleRate_ / fps_;
    const uint32_t samples = static_cast<uint32_t>(end - soundSamples_);
    soundSamples_ = end;
    return samples;
}

int64_t RenderClock::framesIn(double seconds, int fps) {
    return static_cast<int64_t>(std::ceil(seconds * fps - kFrameCountSlack));
}

int64_t RenderClock::framesUntilExitAt(float seconds) const {
    if (!(static_cast<float>(base_) < seconds)) return 0;
    int64_t last = framesIn(static_cast<double>(seconds) - base_, fps_);
    if (last > 0) --last;
    while (last > 0 && !(static_cast<float>(pictureTime(last - 1)) < seconds)) --last;
    while (static_cast<float>(pictureTime(last)) < seconds) ++last;
    return last + 1;
}
