// The table of open musics and the mix of those playing. The output calls mix() from its
// own thread; every other call is made by the player's thread with the output locked.
#pragma once

#include "audio/MusicDecoder.h"
#include "audio/MusicFormat.h"
#include <vornex/Audio.h>

class MemoryStream;

class Mixer {
public:
    static constexpr uint32_t kSlots = 32;
    static constexpr uint32_t kDefaultRate = 44100;

    struct Music {
        MusicDecoder* decoder;
        MemoryStream* bytes; // what the decoder reads, owned with it
        MusicFormat format;  // so the analysis can open a decoder of its own on the bytes
        float volume;
        bool playing;
        uint32_t generation;
    };

    Mixer();
    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;

    void setRate(uint32_t rate) { rate_ = rate; }
    uint32_t rate() const { return rate_; }

    // Takes the music paused at its current position; 0 when the table is full.
    MusicHandle add(MusicDecoder* decoder, MemoryStream* bytes, MusicFormat format);
    // Null for a handle that names no open music.
    Music* find(MusicHandle handle);
    // Empties the slot and hands its decoder and bytes back for the caller to destroy
    // outside the lock; false for an invalid handle.
    bool take(MusicHandle handle, Music& taken);
    // Hands back the first open music, if any, emptying its slot.
    bool takeAny(Music& taken);

    // Writes the sum of every playing music, each at its volume, into `stereo`. A music
    // that reaches its end stops playing. Returns false when nothing was playing.
    bool mix(float* stereo, uint32_t frames);
    // While held, mix() writes silence and every music keeps its position (a paused demo).
    void hold(bool held) { held_ = held; }

private:
    bool held_ = false;
    Music slots_[kSlots];
    uint32_t nextGeneration_ = 1;
    uint32_t rate_ = kDefaultRate;
    float scratch_[MusicDecoder::kBlockFrames * 2];
};
