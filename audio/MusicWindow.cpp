#include "audio/MusicWindow.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {
constexpr int64_t kWindow = MusicAnalyser::kWindow;
} // namespace

MusicWindow::MusicWindow(MusicDecoder* decoder) : decoder_(decoder) {
    std::memset(held_, 0, sizeof held_);
}

MusicWindow::~MusicWindow() {
    delete decoder_;
}

const float* MusicWindow::read(double seconds) {
    // Far outside the music the window is silence wherever it is: held within a range
    // where sample numbers cannot overflow, whatever length a broken file claims.
    const double claimed = decoder_->length();
    const double length =
        claimed > 0.0 ? std::min(claimed, kLongestMusic) : (claimed <= 0.0 ? 0.0 : kLongestMusic);
    const double limit = (length + 1.0) * MusicAnalyser::kRate;
    const double centre = std::isfinite(seconds) ? seconds * MusicAnalyser::kRate : 0.0;
    const int64_t end = int64_t(std::llround(std::clamp(centre, -limit, limit))) + kWindow / 2;
    if (!valid_ || end < heldEnd_ || end - heldEnd_ > kLongestRead) {
        const int64_t start = end - kWindow;
        const double at =
            std::min(double(std::max<int64_t>(start, 0)) / MusicAnalyser::kRate, length);
        decoder_->seek(at, MusicAnalyser::kRate);
        heldEnd_ = start;
        valid_ = true;
    }
    decode(end - heldEnd_);
    return held_;
}

void MusicWindow::decode(int64_t count) {
    while (count > 0) {
        const uint32_t step = uint32_t(std::min<int64_t>(count, MusicDecoder::kBlockFrames));
        // Samples before the music's start are silence; the decoder waits at 0 for them.
        const uint32_t silent = heldEnd_ < 0 ? uint32_t(std::min<int64_t>(-heldEnd_, step)) : 0;
        const uint32_t rendered =
            silent < step ? decoder_->render(stereo_, step - silent, MusicAnalyser::kRate) : 0;
        const uint32_t kept = uint32_t(std::min<int64_t>(step, kWindow));
        std::memmove(held_, held_ + kept, sizeof(float) * size_t(kWindow - kept));
        float* out = held_ + (kWindow - kept);
        for (uint32_t i = step - kept; i < step; ++i) {
            const bool sound = i >= silent && i - silent < rendered;
            const uint32_t frame = i - silent;
            *out++ = sound ? 0.5f * (stereo_[2 * frame] + stereo_[2 * frame + 1]) : 0.0f;
        }
        heldEnd_ += step;
        count -= step;
    }
}
