// Music from outside bytes: both decoders open the input from memory, then render, seek
// and render again, as an effect playing and scrubbing it would; then the music analysis
// reads it through a decoder of its own, played on, sought back and past both ends, so
// whatever a broken file decodes to goes through the FFT and the values.
#include "audio/MusicAnalyser.h"
#include "audio/MusicDecoder.h"
#include "audio/MusicFormat.h"
#include "audio/MusicWindow.h"

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

void analyse(MusicDecoder* decoder) {
    static MusicAnalyser analyser;
    MusicWindow window(decoder);
    const double length = decoder->length();
    for (double seconds : {-0.01, 0.0, 1.0 / 60, 2.0 / 60, length / 2, 0.1, length, length + 1})
        analyser.analyse(window.read(seconds), 1.0 / 60);
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
        decoder = openMusicDecoder(format, data, uint32_t(size), error, sizeof error);
        if (decoder) analyse(decoder); // the window owns it
    }
    return 0;
}
