#include "audio/Mixer.h"

#include <cstring>

namespace {
// A handle is the slot number plus one in the low byte, so 0 is never valid, and the
// slot's generation above it, so a closed music's handle stays invalid after reuse.
constexpr uint32_t kSlotBits = 8;
constexpr uint32_t kSlotMask = (1u << kSlotBits) - 1;
constexpr uint32_t kGenerationLimit = 1u << (32 - kSlotBits);
} // namespace

Mixer::Mixer() {
    std::memset(slots_, 0, sizeof slots_);
}

MusicHandle Mixer::add(MusicDecoder* decoder, MemoryStream* bytes, MusicFormat format) {
    for (uint32_t index = 0; index < kSlots; ++index) {
        Music& music = slots_[index];
        if (music.decoder) continue;
        music = {decoder, bytes, format, 1.0f, false, nextGeneration_};
        nextGeneration_ = nextGeneration_ + 1 < kGenerationLimit ? nextGeneration_ + 1 : 1;
        return (music.generation << kSlotBits) | (index + 1);
    }
    return 0;
}

Mixer::Music* Mixer::find(MusicHandle handle) {
    const uint32_t slot = handle & kSlotMask;
    if (slot == 0 || slot > kSlots) return nullptr;
    Music& music = slots_[slot - 1];
    if (!music.decoder || music.generation != handle >> kSlotBits) return nullptr;
    return &music;
}

bool Mixer::take(MusicHandle handle, Music& taken) {
    Music* music = find(handle);
    if (!music) return false;
    taken = *music;
    std::memset(music, 0, sizeof *music);
    return true;
}

bool Mixer::takeAny(Music& taken) {
    for (Music& music : slots_) {
        if (!music.decoder) continue;
        taken = music;
        std::memset(&music, 0, sizeof music);
        return true;
    }
    return false;
}

bool Mixer::mix(float* stereo, uint32_t frames) {
    std::memset(stereo, 0, sizeof(float) * 2 * frames);
    if (held_) return false;
    bool any = false;
    for (Music& music : slots_) {
        if (!music.playing) continue;
        any = true;
        for (uint32_t done = 0; done < frames && music.playing;) {
            const uint32_t left = frames - done;
            const uint32_t wanted =
                left < MusicDecoder::kBlockFrames ? left : MusicDecoder::kBlockFrames;
            const uint32_t rendered = music.decoder->render(scratch_, wanted, rate_);
            float* out = stereo + 2 * done;
            for (uint32_t i = 0; i < 2 * rendered; ++i) out[i] += scratch_[i] * music.volume;
            if (rendered < wanted) music.playing = false;
            done += rendered;
        }
    }
    return any;
}
