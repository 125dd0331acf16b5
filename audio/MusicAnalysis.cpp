#include "audio/MusicAnalysis.h"

#include "audio/AudioDevice.h"
#include "audio/Mixer.h"
#include "audio/MusicWindow.h"
#include "io/MemoryStream.h"
#include <vornex/HostLog.h>

#include <cmath>
#include <memory>

namespace {

struct Following {
    MusicAnalyser analyser;
    std::unique_ptr<MusicWindow> window;
    MusicHandle music = 0;
    double start = 0.0;
    double lastTime = 0.0;
    bool silent = true;
};

Following& following() {
    static Following state;
    return state;
}
} // namespace

int musicAnalyse(MusicHandle handle, double start) {
    Following& state = following();
    if (handle == 0) {
        audio::stopAnalysing(0);
        return 0;
    }
    if (!std::isfinite(start)) return -1;
    if (handle == state.music) {
        state.start = start;
        return 0;
    }
    MemoryStream* bytes = nullptr;
    MusicFormat format = MusicFormat::Unknown;
    {
        audio::MixerLock lock;
        const Mixer::Music* music = lock.mixer().find(handle);
        if (!music) return -1;
        bytes = music->bytes;
        format = music->format;
    }
    char error[kDecoderErrorSize] = "";
    MusicDecoder* decoder =
        openMusicDecoder(format, bytes->data(), bytes->size(), error, kDecoderErrorSize);
    if (!decoder) {
        // The same bytes opened once already; only memory can be short.
        hostLog("ERROR music: the analysis cannot read the music: %s", error);
        return -1;
    }
    state.window.reset(new MusicWindow(decoder));
    state.music = handle;
    state.start = start;
    return 0;
}

namespace audio {

void analyseMusic(double demoTime) {
    Following& state = following();
    bool playing = false;
    if (state.music) {
        MixerLock lock;
        const Mixer::Music* music = lock.mixer().find(state.music);
        playing = music && music->playing;
    }
    if (!playing) {
        if (!state.silent) state.analyser.reset();
        state.silent = true;
        return;
    }
    state.analyser.analyse(state.window->read(demoTime - state.start),
                           state.silent ? -1.0 : demoTime - state.lastTime);
    state.lastTime = demoTime;
    state.silent = false;
}

const MusicAnalyser& musicAnalysis() {
    return following().analyser;
}

void stopAnalysing(MusicHandle music) {
    Following& state = following();
    if (music != 0 && music != state.music) return;
    state.window.reset();
    state.music = 0;
}

} // namespace audio
