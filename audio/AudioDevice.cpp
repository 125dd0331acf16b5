#include "audio/AudioDevice.h"

#include "audio/Mixer.h"
#include "audio/SystemAudioOutput.h"
#include "audio/silent/SilentAudioOutput.h"
#include "io/Stream.h"

namespace audio {
namespace {
constexpr uint32_t kMinFrequency = 8000;
constexpr uint32_t kMaxFrequency = 192000;

Mixer& sharedMixer() {
    static Mixer mixer;
    return mixer;
}

AudioOutput* output = nullptr;
} // namespace

int init(int device, uint32_t frequency, uint32_t, void*) {
    if (output || frequency < kMinFrequency || frequency > kMaxFrequency) return -1;
    AudioOutput* candidate = nullptr;
    if (device == 0) candidate = new SilentAudioOutput;
    if (device == 1) candidate = createSystemAudioOutput();
    if (!candidate) return -1;
    Mixer& mixer = sharedMixer();
    mixer.setRate(frequency);
    if (candidate->open(frequency, mixer) != 0) {
        delete candidate;
        mixer.setRate(Mixer::kDefaultRate);
        return -1;
    }
    output = candidate;
    return 0;
}

void stop() {
    if (!output) return;
    output->catchUp();
    output->stop();
}

void free() {
    delete output;
    output = nullptr;
    Mixer& mixer = sharedMixer();
    mixer.setRate(Mixer::kDefaultRate);
    Mixer::Music music;
    while (mixer.takeAny(music)) {
        delete music.decoder;
        delete music.bytes;
    }
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
