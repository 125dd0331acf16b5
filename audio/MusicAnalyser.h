// What the music sounds like around one moment, from kWindow mono samples at kRate centred
// on it: a spectrum and a waveform as bytes, in the layout shared shaders expect for audio
// input, and five values from 0 to 1 (loudness, three bands, onsets) smoothed over time as
// visualisers do. One real FFT per analyse(); memory is taken only when it is made.
//
// Smoothing, all of it measured in seconds so that any frame rate gives the same curves:
// - spectrum: each bin keeps 0.8 of its old magnitude per 1/60 s (the web audio analyser's
//   default, at the frame rate it assumes), before the decibel mapping;
// - level and bands: rise at once, fall back exponentially with kRelease as time constant;
// - beat: 1 on an onset (the window's energy above kOnsetRatio times its 1 s running mean,
//   and above kOnsetFloor), falling linearly to 0 over kBeatDecay; onsets at least
//   kOnsetGap apart.
// A step that is not a small one forward (a seek, the first window) starts afresh: the
// values are the window's own, with no onset.
#pragma once

#include <cstdint>

struct kiss_fftr_state;

class MusicAnalyser {
public:
    static constexpr uint32_t kRate = 44100;
    static constexpr uint32_t kWindow = 1024;
    static constexpr uint32_t kBins = kWindow / 2;
    static constexpr double kRelease = 0.15;
    static constexpr double kBeatDecay = 0.1;
    static constexpr double kOnsetGap = 0.15;
    static constexpr double kOnsetRatio = 1.5;
    static constexpr double kOnsetFloor = 1e-4; // mean square, -40 dB below a full-scale sine
    // The longest step still taken as the music playing on.
    static constexpr double kLongestStep = 0.25;

    enum Value { kLevel, kLow, kMid, kHigh, kBeat, kValueCount };

    MusicAnalyser();
    ~MusicAnalyser();
    MusicAnalyser(const MusicAnalyser&) = delete;
    MusicAnalyser& operator=(const MusicAnalyser&) = delete;

    // `samples`: kWindow samples centred on the moment; `elapsed`: seconds since the moment
    // of the previous call.
    void analyse(const float* samples, double elapsed);
    // Silence, and the next analyse() starts afresh.
    void reset();

    // kBins bytes each: decibels from -100 to -30 mapped onto 0..255 for bins of
    // kRate / kWindow Hz from 0 Hz up; the middle kBins samples as 128 * (1 + sample).
    const uint8_t* spectrum() const { return spectrum_; }
    const uint8_t* waveform() const { return waveform_; }
    float value(Value which) const { return values_[which]; }

private:
    kiss_fftr_state* fft_;
    float window_[kWindow];
    float windowed_[kWindow];
    float magnitude_[kBins]; // smoothed, as a fraction of full scale
    float spectrumIn_[(kBins + 1) * 2];
    uint8_t spectrum_[kBins];
    uint8_t waveform_[kBins];
    float values_[kValueCount];
    double meanEnergy_ = 0.0;
    double sinceOnset_ = 0.0;
    bool fresh_ = true;
};
