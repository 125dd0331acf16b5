// Sampled sound through libsndfile (WAV, Ogg Vorbis, MP3, FLAC), read from memory and
// resampled linearly to the mixer's rate. Mono plays on both sides; of more than two
// channels the first two are played.
#pragma once

#include "audio/MusicDecoder.h"

#include <sndfile.h>

class SampledDecoder : public MusicDecoder {
public:
    static constexpr int kMaxChannels = 16;

    static SampledDecoder* open(const uint8_t* bytes, uint32_t size, char* error,
                                uint32_t errorSize);
    ~SampledDecoder() override;

    uint32_t render(float* stereo, uint32_t frames, uint32_t rate) override;
    double length() const override { return double(frameCount_) / sampleRate_; }
    double position() const override;
    void seek(double seconds, uint32_t rate) override;

    // libsndfile's view of the bytes.
    struct Source {
        const uint8_t* bytes;
        sf_count_t size;
        sf_count_t offset;
    };

private:
    SampledDecoder(SNDFILE* file, const SF_INFO& info, Source* source, float* block);
    // The next source frame as a stereo pair; false past the last one.
    bool fetch(float* frame);

    SNDFILE* file_;
    Source* source_;
    int channels_;
    double sampleRate_;
    sf_count_t frameCount_;
    float* block_; // kBlockFrames source frames of channels_ samples
    uint32_t blockFrames_ = 0;
    uint32_t blockNext_ = 0;
    // Output is interpolated between the source frame at `index_` and the one after it,
    // `phase_` of the way (0 <= phase_ < 1).
    sf_count_t index_ = 0;
    double phase_ = 0.0;
    float current_[2] = {};
    float next_[2] = {};
    bool currentValid_ = false;
    bool nextValid_ = false;
};
