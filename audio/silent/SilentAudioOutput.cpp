#include "audio/silent/SilentAudioOutput.h"

#include "audio/Mixer.h"
#include "platform/native/Native.h"

int SilentAudioOutput::open(uint32_t frequency, Mixer& mixer) {
    mixer_ = &mixer;
    rate_ = frequency;
    lastTick_ = native::getTickCount();
    carried_ = 0;
    running_ = true;
    return 0;
}

void SilentAudioOutput::catchUp() {
    if (!running_) return;
    const uint32_t now = native::getTickCount();
    const uint32_t elapsed = now - lastTick_; // the counter wraps after 49.7 days
    lastTick_ = now;
    const uint64_t thousandths = uint64_t(elapsed) * rate_ + carried_;
    uint64_t frames = thousandths / 1000;
    carried_ = thousandths % 1000;
    while (frames > 0) {
        const uint32_t block =
            frames < MusicDecoder::kBlockFrames ? uint32_t(frames) : MusicDecoder::kBlockFrames;
        if (!mixer_->mix(discarded_, block)) break;
        frames -= block;
    }
}
