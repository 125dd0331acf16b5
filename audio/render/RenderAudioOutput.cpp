#include "audio/render/RenderAudioOutput.h"

#include "audio/Mixer.h"

#include <cstring>

int RenderAudioOutput::open(uint32_t, Mixer& mixer) {
    mixer_ = &mixer;
    running_ = true;
    return 0;
}

void RenderAudioOutput::pull(float* stereo, uint32_t frames) {
    if (running_)
        mixer_->mix(stereo, frames);
    else
        std::memset(stereo, 0, sizeof(float) * 2 * frames);
}
