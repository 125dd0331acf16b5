// Device 1: the default SDL2 audio output, 32-bit float stereo, with a callback on SDL's
// audio thread that mixes every playing music. The only file of the audio layer that
// talks to SDL.
#pragma once

#include "audio/AudioOutput.h"

class SdlAudioOutput : public AudioOutput {
public:
    ~SdlAudioOutput() override;

    int open(uint32_t frequency, Mixer& mixer) override;
    void stop() override;
    void lock() override;
    void unlock() override;
    const char* failure() const override { return failure_; }

private:
    static void fill(void* mixer, uint8_t* stream, int length);
    int soundOff();

    uint32_t device_ = 0;
    bool subsystemStarted_ = false;
    char failure_[256] = {};
};
