#include "audio/MusicAnalyser.h"

#include <kiss_fftr.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {
constexpr double kPi = 3.14159265358979323846;
// The web audio analyser's defaults, which shared shaders are written against.
constexpr double kSmoothingPerSixtieth = 0.8;
constexpr double kMinDecibels = -100.0;
constexpr double kMaxDecibels = -30.0;
// Values map decibels below a full-scale sine from kValueFloor (0) to 0 dB (1).
constexpr double kValueFloor = -60.0;
constexpr double kMeanTime = 1.0;
// The bands, in Hz: low, mid, high.
constexpr double kBandEdges[3][2] = {{20.0, 250.0}, {250.0, 2000.0}, {2000.0, 16000.0}};

static_assert(sizeof(kiss_fft_cpx) == 2 * sizeof(float), "KissFFT's complex is two floats");

float toValue(double meanSquare) {
    // A sine's mean square is half its amplitude squared: a full-scale one is 0 dB.
    const double decibels = 10.0 * std::log10(std::max(2.0 * meanSquare, 1e-12));
    return static_cast<float>(std::clamp((decibels - kValueFloor) / -kValueFloor, 0.0, 1.0));
}
} // namespace

MusicAnalyser::MusicAnalyser() : fft_(kiss_fftr_alloc(kWindow, 0, nullptr, nullptr)) {
    // Blackman, as the web audio analyser weighs its window.
    for (uint32_t n = 0; n < kWindow; ++n) {
        const double x = 2.0 * kPi * n / kWindow;
        window_[n] = static_cast<float>(0.42 - 0.5 * std::cos(x) + 0.08 * std::cos(2.0 * x));
    }
    reset();
}

MusicAnalyser::~MusicAnalyser() {
    kiss_fftr_free(fft_);
}

void MusicAnalyser::reset() {
    std::memset(magnitude_, 0, sizeof magnitude_);
    std::memset(spectrum_, 0, sizeof spectrum_);
    std::memset(waveform_, 128, sizeof waveform_);
    std::memset(values_, 0, sizeof values_);
    meanEnergy_ = 0.0;
    sinceOnset_ = kOnsetGap;
    fresh_ = true;
}

void MusicAnalyser::analyse(const float* samples, double elapsed) {
    const bool fresh = fresh_ || !(elapsed >= 0.0 && elapsed <= kLongestStep);
    fresh_ = false;
    if (fresh) elapsed = 0.0;

    double energy = 0.0;
    double windowPower = 0.0;
    for (uint32_t n = 0; n < kWindow; ++n) {
        const float sample = std::isfinite(samples[n]) ? samples[n] : 0.0f;
        energy += double(sample) * sample;
        windowed_[n] = sample * window_[n];
        windowPower += double(window_[n]) * window_[n];
    }
    energy /= kWindow;
    for (uint32_t i = 0; i < kBins; ++i) {
        const float sample = std::isfinite(samples[kBins / 2 + i]) ? samples[kBins / 2 + i] : 0.0f;
        waveform_[i] = static_cast<uint8_t>(std::clamp(128.0f * (1.0f + sample), 0.0f, 255.0f));
    }

    kiss_fft_cpx* bins = reinterpret_cast<kiss_fft_cpx*>(spectrumIn_);
    kiss_fftr(fft_, windowed_, bins);

    const float keep = fresh ? 0.0f : float(std::pow(kSmoothingPerSixtieth, elapsed * 60.0));
    double bandPower[3] = {};
    const double binHz = double(kRate) / kWindow;
    for (uint32_t k = 0; k < kBins; ++k) {
        const double power = double(bins[k].r) * bins[k].r + double(bins[k].i) * bins[k].i;
        magnitude_[k] = keep * magnitude_[k] + (1.0f - keep) * float(std::sqrt(power) / kWindow);
        const double decibels = 20.0 * std::log10(std::max(double(magnitude_[k]), 1e-12));
        const double scaled = (decibels - kMinDecibels) * 255.0 / (kMaxDecibels - kMinDecibels);
        spectrum_[k] = static_cast<uint8_t>(std::clamp(scaled, 0.0, 255.0));
        const double hz = k * binHz;
        for (int band = 0; band < 3; ++band)
            if (hz >= kBandEdges[band][0] && hz < kBandEdges[band][1]) bandPower[band] += power;
    }

    // Each band's power as the mean square of its part of the sound: by Parseval, the
    // positive bins hold half of N times the window's power times the mean square.
    float raw[kValueCount];
    raw[kLevel] = toValue(energy);
    for (int band = 0; band < 3; ++band)
        raw[kLow + band] = toValue(2.0 * bandPower[band] / (double(kWindow) * windowPower));
    const float fall = fresh ? 0.0f : float(std::exp(-elapsed / kRelease));
    for (int i = kLevel; i <= kHigh; ++i) values_[i] = std::max(raw[i], values_[i] * fall);

    sinceOnset_ += elapsed;
    if (fresh) {
        meanEnergy_ = energy;
        sinceOnset_ = kOnsetGap;
    } else {
        if (energy > kOnsetRatio * meanEnergy_ && energy > kOnsetFloor && sinceOnset_ >= kOnsetGap)
            sinceOnset_ = 0.0;
        meanEnergy_ += (energy - meanEnergy_) * (1.0 - std::exp(-elapsed / kMeanTime));
    }
    values_[kBeat] = float(std::max(0.0, 1.0 - sinceOnset_ / kBeatDecay));
}
