#include "audio/sdl/SdlAudioOutput.h"

#include "audio/Mixer.h"
#include "audio/SystemAudioOutput.h"
#include "audio/sdl/SoundLibraryNoise.h"

#include <SDL.h>
#include <cstdio>

namespace {
// About 23 ms at 44100 Hz: short enough for sync, long enough not to drop out.
constexpr Uint16 kBufferFrames = 1024;

} // namespace

// The one line a machine without sound output gets; the player goes on silently.
int SdlAudioOutput::soundOff() {
    std::snprintf(failure_, sizeof failure_, "%s", SDL_GetError());
    std::printf("Sound is off: %s\n", failure_);
    return -1;
}

SdlAudioOutput::~SdlAudioOutput() {
    if (device_) SDL_CloseAudioDevice(device_);
    if (subsystemStarted_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

int SdlAudioOutput::open(uint32_t frequency, Mixer& mixer) {
    silenceSoundLibraryErrors();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return soundOff();
    subsystemStarted_ = true;
    SDL_AudioSpec wanted{};
    wanted.freq = int(frequency);
    wanted.format = AUDIO_F32SYS;
    wanted.channels = 2;
    wanted.samples = kBufferFrames;
    wanted.callback = fill;
    wanted.userdata = &mixer;
    // SDL converts to whatever the hardware takes, so the mixer's rate stays `frequency`.
    SDL_AudioSpec obtained{};
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (device_ == 0) return soundOff();
    SDL_PauseAudioDevice(device_, 0);
    return 0;
}

void SdlAudioOutput::stop() {
    if (device_) SDL_PauseAudioDevice(device_, 1);
}

void SdlAudioOutput::lock() {
    if (device_) SDL_LockAudioDevice(device_);
}

void SdlAudioOutput::unlock() {
    if (device_) SDL_UnlockAudioDevice(device_);
}

void SdlAudioOutput::fill(void* mixer, uint8_t* stream, int length) {
    float* samples = reinterpret_cast<float*>(stream);
    const uint32_t frames = uint32_t(length) / (2 * sizeof(float));
    static_cast<Mixer*>(mixer)->mix(samples, frames);
    for (uint32_t i = 0; i < 2 * frames; ++i) {
        if (samples[i] > 1.0f) samples[i] = 1.0f;
        if (samples[i] < -1.0f) samples[i] = -1.0f;
    }
}

AudioOutput* createSystemAudioOutput() {
    return new SdlAudioOutput;
}
