#include "audio/AudioDevice.h"

#include "audio/Mixer.h"
#include "audio/SystemAudioOutput.h"
#include "audio/render/RenderAudioOutput.h"
#include "audio/silent/SilentAudioOutput.h"
#include "io/Stream.h"

#include <cstdio>
#include <cstring>

namespace audio {
namespace {
constexpr uint32_t kMinFrequency = 8000;
constexpr uint32_t kMaxFrequency = 192000;

Mixer& sharedMixer() {
    static Mixer mixer;
    return mixer;
}

AudioOutput* output = nullptr;
bool renderMode = false;
RenderAudioOutput* renderOutput = nullptr; // `output` itself while rendering
char lastFailure[256];

int refuse(const char* reason) {
    std::snprintf(lastFailure, sizeof lastFailure, "%s", reason);
    return -1;
}
} // namespace

int init(int device, uint32_t frequency, uint32_t, void*) {
    lastFailure[0] = '\0';
    if (output) return refuse("a device is already started");
    if (frequency < kMinFrequency || frequency > kMaxFrequency)
        return refuse("mix rate out of range");
    AudioOutput* candidate = nullptr;
    if (renderMode && (device == 0 || device == 1))
        candidate = renderOutput = new RenderAudioOutput;
    else if (device == 0)
        candidate = new SilentAudioOutput;
    else if (device == 1)
        candidate = createSystemAudioOutput();
    if (!candidate) return refuse("no such device");
    Mixer& mixer = sharedMixer();
    mixer.setRate(frequency);
    if (candidate->open(frequency, mixer) != 0) {
        if (candidate == renderOutput) renderOutput = nullptr;
        refuse(candidate->failure()[0] != '\0' ? candidate->failure()
                                               : "the output cannot be opened");
        delete candidate;
        mixer.setRate(Mixer::kDefaultRate);
        return -1;
    }
    output = candidate;
    return 0;
}

const char* failure() {
    return lastFailure;
}

void stop() {
    if (!output) return;
    output->catchUp();
    output->stop();
}

void free() {
    delete output;
    output = nullptr;
    renderOutput = nullptr;
    Mixer& mixer = sharedMixer();
    mixer.setRate(Mixer::kDefaultRate);
    mixer.hold(false);
    Mixer::Music music;
    while (mixer.takeAny(music)) {
        delete music.decoder;
        delete music.bytes;
    }
}

void pause(bool paused) {
    MixerLock lock;
    lock.mixer().hold(paused);
}

void setRenderMode(bool on) {
    renderMode = on;
}

int renderMix(float* stereo, uint32_t frames) {
    if (!renderOutput) {
        std::memset(stereo, 0, sizeof(float) * 2 * frames);
        return -1;
    }
    renderOutput->pull(stereo, frames);
    return 0;
}

MixerLock::MixerLock() {
    if (!output) return;
    output->catchUp();
    output->lock();
}

MixerLock::~MixerLock() {
    if (output) output->unlock();
}

Mixer& MixerLock::mixer() {
    return sharedMixer();
}

} // namespace audio
