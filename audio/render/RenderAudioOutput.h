// The audio layer's render mode: an output without a clock or a thread. Nothing is mixed
// until the renderer pulls the frames that belong to the picture it just drew, so the
// written sound follows demo time to the sample however fast or slow frames are drawn.
#pragma once

#include "audio/AudioOutput.h"

class RenderAudioOutput : public AudioOutput {
public:
    int open(uint32_t frequency, Mixer& mixer) override;
    void stop() override { running_ = false; }
    void lock() override {}
    void unlock() override {}

    // The next `frames` stereo frames of the mix; silence once stopped.
    void pull(float* stereo, uint32_t frames);

private:
    Mixer* mixer_ = nullptr;
    bool running_ = false;
};
