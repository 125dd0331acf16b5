// Device 0, "no sound": consumes the mix in real time by the native tick counter and
// drops it, so music positions advance and effects stay in sync without a sound card.
// It has no thread; it catches up whenever the music layer is called.
#pragma once

#include "audio/AudioOutput.h"
#include "audio/MusicDecoder.h"

class SilentAudioOutput : public AudioOutput {
public:
    int open(uint32_t frequency, Mixer& mixer) override;
    void stop() override { running_ = false; }
    void lock() override {}
    void unlock() override {}
    void catchUp() override;

private:
    Mixer* mixer_ = nullptr;
    uint32_t rate_ = 0;
    uint32_t lastTick_ = 0;
    // Thousandths of a frame not yet consumed, carried so no time is lost to rounding.
    uint64_t carried_ = 0;
    bool running_ = false;
    float discarded_[MusicDecoder::kBlockFrames * 2];
};
