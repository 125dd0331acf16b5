// The music calls of vornex/Audio.h: every change to a music happens under the mixer
// lock, after a silent output has caught up, so the change takes effect at the present.
#include <vornex/Audio.h>

#include "audio/AudioDevice.h"
#include "audio/Mixer.h"
#include "audio/MusicAnalysis.h"
#include "audio/MusicFormat.h"
#include "io/DataFile.h"
#include <vornex/HostLog.h>

#include <algorithm>

namespace {

void rewindIfEnded(Mixer& mixer, Mixer::Music& music) {
    if (music.decoder->position() >= music.decoder->length())
        music.decoder->seek(0.0, mixer.rate());
}
} // namespace

MusicHandle musicOpen(const char* fileName) {
    if (!fileName || !fileName[0]) {
        hostLog("ERROR music: no file name");
        return 0;
    }
    const MusicFormat format = musicFormatFor(fileName);
    if (format == MusicFormat::Unknown) {
        hostLog("ERROR music: %s is not a music file", fileName);
        return 0;
    }
    DataFile* file = new DataFile(fileName);
    if (file->size() == 0) {
        hostLog("ERROR music: %s not found", fileName);
        delete file;
        return 0;
    }
    char error[kDecoderErrorSize] = "";
    MusicDecoder* decoder =
        openMusicDecoder(format, file->data(), file->size(), error, kDecoderErrorSize);
    if (!decoder) {
        hostLog("ERROR music: %s: %s", fileName, error);
        delete file;
        return 0;
    }
    MusicHandle handle = 0;
    {
        audio::MixerLock lock;
        handle = lock.mixer().add(decoder, file, format);
    }
    if (!handle) {
        hostLog("ERROR music: %s: more than %u musics open", fileName, Mixer::kSlots);
        delete decoder;
        delete file;
        return 0;
    }
    hostLog("music: %s, %.3f s", fileName, decoder->length());
    return handle;
}

int musicClose(MusicHandle handle) {
    audio::stopAnalysing(handle);
    Mixer::Music taken;
    {
        audio::MixerLock lock;
        if (!lock.mixer().take(handle, taken)) return -1;
    }
    delete taken.decoder;
    delete taken.bytes;
    return 0;
}

int musicPlay(MusicHandle handle) {
    audio::MixerLock lock;
    Mixer::Music* music = lock.mixer().find(handle);
    if (!music) return -1;
    if (!music->playing) rewindIfEnded(lock.mixer(), *music);
    music->playing = true;
    return 0;
}

int musicPause(MusicHandle handle) {
    audio::MixerLock lock;
    Mixer::Music* music = lock.mixer().find(handle);
    if (!music) return -1;
    music->playing = false;
    return 0;
}

int musicStop(MusicHandle handle) {
    audio::MixerLock lock;
    Mixer::Music* music = lock.mixer().find(handle);
    if (!music) return -1;
    music->playing = false;
    music->decoder->seek(0.0, lock.mixer().rate());
    return 0;
}

int musicIsPlaying(MusicHandle handle) {
    audio::MixerLock lock;
    Mixer::Music* music = lock.mixer().find(handle);
    if (!music) return -1;
    return music->playing ? 1 : 0;
}

int musicSetVolume(MusicHandle handle, float volume) {
    audio::MixerLock lock;
    Mixer::Music* music = lock.mixer().find(handle);
    if (!music) return -1;
    // Written this way round so that NaN becomes silence.
    music->volume = volume > 0.0f ? std::min(volume, 1.0f) : 0.0f;
    return 0;
}

float musicGetVolume(MusicHandle handle) {
    audio::MixerLock lock;
    Mixer::Music* music = lock.mixer().find(handle);
    return music ? music->volume : -1.0f;
}

double musicGetLength(MusicHandle handle) {
    audio::MixerLock lock;
    Mixer::Music* music = lock.mixer().find(handle);
    return music ? music->decoder->length() : -1.0;
}

double musicGetPosition(MusicHandle handle) {
    audio::MixerLock lock;
    Mixer::Music* music = lock.mixer().find(handle);
    return music ? music->decoder->position() : -1.0;
}

int musicSetPosition(MusicHandle handle, double seconds) {
    audio::MixerLock lock;
    Mixer::Music* music = lock.mixer().find(handle);
    if (!music) return -1;
    const double length = music->decoder->length();
    const double target = seconds > 0.0 ? std::min(seconds, length) : 0.0;
    music->decoder->seek(target, lock.mixer().rate());
    if (target >= length) music->playing = false;
    return 0;
}
