// The decoded sound of one music around a moment, for the analysis, read by a decoder of
// its own over the music's bytes rather than taken from the mixer: the mixer renders ahead
// of the picture by the output's buffer and on the output's clock, and renders nothing
// while the demo or the music is held; a second decoder gives exactly the sound at the
// demo time, alike live, after a seek, on the silent device and in a render, and never
// moves the position of the decoder that plays. Played on, the window moves forward by
// decoding only the new samples; a step back or far ahead seeks.
#pragma once

#include "audio/MusicAnalyser.h"
#include "audio/MusicDecoder.h"

#include <cstdint>

class MusicWindow {
public:
    // Steps forward up to this many samples are decoded through; longer ones seek.
    static constexpr int64_t kLongestRead = MusicAnalyser::kRate / 4;
    // Past this many seconds every music is taken as ended (about four months).
    static constexpr double kLongestMusic = 1e7;

    // Takes the decoder, which must be over bytes that outlive it.
    explicit MusicWindow(MusicDecoder* decoder);
    ~MusicWindow();
    MusicWindow(const MusicWindow&) = delete;
    MusicWindow& operator=(const MusicWindow&) = delete;

    // The MusicAnalyser::kWindow mono samples at MusicAnalyser::kRate centred on `seconds`
    // into the music: silence before its start and after its end. Valid until the next read.
    const float* read(double seconds);

private:
    // Appends `count` samples from the decoder (or silence where there is no sound).
    void decode(int64_t count);

    MusicDecoder* decoder_;
    float held_[MusicAnalyser::kWindow];
    int64_t heldEnd_ = 0; // the sample after the last one held, and the decoder's next
    bool valid_ = false;
    float stereo_[MusicDecoder::kBlockFrames * 2];
};
