// Music from outside bytes: both decoders open the input from memory, then render, seek
// and render again, as an effect playing and scrubbing it would.
#include "audio/MusicDecoder.h"
#include "audio/MusicFormat.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace {
constexpr uint32_t kRate = 44100;

void play(MusicDecoder* decoder) {
    static float stereo[MusicDecoder::kBlockFrames * 2];
    for (int block = 0; block < 4; ++block)
        decoder->render(stereo, MusicDecoder::kBlockFrames, kRate);
    decoder->seek(decoder->length() / 2, kRate);
    decoder->render(stereo, MusicDecoder::kBlockFrames, kRate);
    decoder->seek(0.0, kRate);
    decoder->render(stereo, MusicDecoder::kBlockFrames, kRate);
    decoder->seek(decoder->length(), kRate);
    decoder->render(stereo, MusicDecoder::kBlockFrames, kRate);
    decoder->position();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > UINT32_MAX) return 0;
    char error[256];
    for (MusicFormat format : {MusicFormat::Module, MusicFormat::Sampled}) {
        MusicDecoder* decoder = openMusicDecoder(format, data, uint32_t(size), error, sizeof error);
        if (!decoder) continue;
        play(decoder);
        delete decoder;
    }
    return 0;
}
