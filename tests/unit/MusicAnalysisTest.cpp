// The music analysis on synthetic sound: bands, loudness and onsets with their smoothing,
// the window of decoded samples a second decoder reads around a moment, the music tracks
// the sync layer serves, and the texture's layout.
#include "audio/MusicAnalyser.h"
#include "audio/MusicWindow.h"
#include "resource/MusicTexture.h"
#include "sync/SyncTrackSet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
constexpr double kPi = 3.14159265358979;
constexpr uint32_t kRate = MusicAnalyser::kRate;
constexpr uint32_t kWindow = MusicAnalyser::kWindow;
constexpr double kSixtiethSecond = 1.0 / 60.0;

std::vector<float> tone(double frequency, double amplitude) {
    std::vector<float> samples(kWindow);
    for (uint32_t n = 0; n < kWindow; ++n)
        samples[n] = float(amplitude * std::sin(2.0 * kPi * frequency * n / kRate));
    return samples;
}

const std::vector<float> kSilence(kWindow, 0.0f);

// Stereo frames whose left and right sides average to the frame's number, so a window's
// samples name the frames they came from; `length` frames, then the end.
class CountingDecoder : public MusicDecoder {
public:
    explicit CountingDecoder(uint32_t length) : length_(length) {}
    uint32_t render(float* stereo, uint32_t frames, uint32_t rate) override {
        EXPECT_EQ(rate, kRate);
        uint32_t done = 0;
        for (; done < frames && next_ < length_; ++done, ++next_) {
            stereo[2 * done] = float(next_) + 1.0f;
            stereo[2 * done + 1] = float(next_) - 1.0f;
        }
        rendered += done;
        return done;
    }
    double length() const override { return double(length_) / kRate; }
    double position() const override { return double(next_) / kRate; }
    void seek(double seconds, uint32_t) override {
        next_ = uint32_t(std::min<long long>(std::llround(seconds * kRate), length_));
        ++seeks;
    }
    uint64_t rendered = 0;
    int seeks = 0;

private:
    uint32_t length_;
    uint32_t next_ = 0;
};
// Two seconds of sound under a claimed length.
class ClaimingDecoder : public CountingDecoder {
public:
    explicit ClaimingDecoder(double claimed) : CountingDecoder(kRate * 2), claimed_(claimed) {}
    double length() const override { return claimed_; }

private:
    double claimed_;
};
} // namespace

TEST(MusicAnalysis, BandsHearTheirOwnTonesAndLevelFollowsLoudness) {
    struct Case {
        double frequency;
        MusicAnalyser::Value band;
    };
    for (const Case& c : {Case{100.0, MusicAnalyser::kLow}, Case{1000.0, MusicAnalyser::kMid},
                          Case{4000.0, MusicAnalyser::kHigh}}) {
        MusicAnalyser analyser;
        analyser.analyse(tone(c.frequency, 0.5).data(), 0.0);
        SCOPED_TRACE(c.frequency);
        // Half of full scale is 6 dB down: 54 of the 60 dB mapped.
        EXPECT_NEAR(analyser.value(c.band), 0.9f, 0.02f);
        EXPECT_NEAR(analyser.value(MusicAnalyser::kLevel), 0.9f, 0.01f);
        for (int band = MusicAnalyser::kLow; band <= MusicAnalyser::kHigh; ++band) {
            if (band == c.band) continue;
            EXPECT_LT(analyser.value(MusicAnalyser::Value(band)), 0.1f) << band;
        }
        EXPECT_EQ(analyser.value(MusicAnalyser::kBeat), 0.0f); // no onset on a first window
    }
    MusicAnalyser analyser;
    analyser.analyse(kSilence.data(), 0.0);
    for (int value = 0; value < MusicAnalyser::kValueCount; ++value)
        EXPECT_EQ(analyser.value(MusicAnalyser::Value(value)), 0.0f);
}

TEST(MusicAnalysis, SpectrumAndWaveformBytesAreInTheWebAnalysersLayout) {
    MusicAnalyser analyser;
    // 4306.6 Hz falls on bin 100 exactly.
    const double binHz = double(kRate) / kWindow;
    const std::vector<float> samples = tone(100 * binHz, 1.0);
    analyser.analyse(samples.data(), 0.0);
    const uint8_t* spectrum = analyser.spectrum();
    // A full-scale sine through the Blackman window is 0.21 of full scale: above -30 dB.
    EXPECT_EQ(spectrum[100], 255);
    EXPECT_GT(spectrum[99], 200);
    EXPECT_LT(spectrum[90], 40);
    EXPECT_EQ(spectrum[400], 0);
    const uint8_t* waveform = analyser.waveform();
    for (uint32_t i = 0; i < MusicAnalyser::kBins; i += 37)
        EXPECT_NEAR(waveform[i], 128.0 * (1.0 + samples[kWindow / 4 + i]), 1.0) << i;
    analyser.reset();
    EXPECT_EQ(analyser.spectrum()[100], 0);
    EXPECT_EQ(analyser.waveform()[7], 128);
}

TEST(MusicAnalysis, ValuesFallBackAtTheSameRateWhateverTheFrameRate) {
    MusicAnalyser sixty;
    MusicAnalyser thirty;
    const std::vector<float> loud = tone(100.0, 0.5);
    sixty.analyse(loud.data(), 0.0);
    thirty.analyse(loud.data(), 0.0);
    for (int i = 0; i < 18; ++i) sixty.analyse(kSilence.data(), kSixtiethSecond); // 0.3 s
    for (int i = 0; i < 9; ++i) thirty.analyse(kSilence.data(), 2 * kSixtiethSecond);
    const float expected = 0.9f * float(std::exp(-0.3 / MusicAnalyser::kRelease));
    EXPECT_NEAR(sixty.value(MusicAnalyser::kLow), expected, 0.02f);
    EXPECT_NEAR(thirty.value(MusicAnalyser::kLow), expected, 0.02f);
    EXPECT_NEAR(sixty.spectrum()[2], thirty.spectrum()[2], 1.0);
    // A step back (a seek) starts afresh: the values are the window's own at once.
    sixty.analyse(kSilence.data(), -5.0);
    EXPECT_EQ(sixty.value(MusicAnalyser::kLow), 0.0f);
    EXPECT_EQ(sixty.spectrum()[2], 0);
    // So does a step longer than music plays on by.
    thirty.analyse(loud.data(), MusicAnalyser::kLongestStep + 0.1);
    thirty.analyse(kSilence.data(), MusicAnalyser::kLongestStep + 0.1);
    EXPECT_EQ(thirty.value(MusicAnalyser::kLow), 0.0f);
}

TEST(MusicAnalysis, BeatIsOneOnAnOnsetAndFallsToNothingIn100Milliseconds) {
    MusicAnalyser analyser;
    const std::vector<float> quiet = tone(200.0, 0.05);
    const std::vector<float> hit = tone(60.0, 0.8);
    analyser.analyse(quiet.data(), 0.0);
    for (int i = 0; i < 60; ++i) {
        analyser.analyse(quiet.data(), kSixtiethSecond);
        ASSERT_EQ(analyser.value(MusicAnalyser::kBeat), 0.0f) << "a steady sound has no onset";
    }
    analyser.analyse(hit.data(), kSixtiethSecond);
    EXPECT_EQ(analyser.value(MusicAnalyser::kBeat), 1.0f);
    analyser.analyse(hit.data(), 0.05);
    EXPECT_NEAR(analyser.value(MusicAnalyser::kBeat), 0.5f, 1e-4f);
    analyser.analyse(quiet.data(), 0.05);
    EXPECT_EQ(analyser.value(MusicAnalyser::kBeat), 0.0f);
    // The next hit, once the running mean has settled back, is another onset.
    for (int i = 0; i < 120; ++i) analyser.analyse(quiet.data(), kSixtiethSecond);
    analyser.analyse(hit.data(), kSixtiethSecond);
    EXPECT_EQ(analyser.value(MusicAnalyser::kBeat), 1.0f);
    // Too faint to count, however sudden.
    MusicAnalyser faint;
    faint.analyse(kSilence.data(), 0.0);
    faint.analyse(tone(200.0, 0.005).data(), kSixtiethSecond);
    EXPECT_EQ(faint.value(MusicAnalyser::kBeat), 0.0f);
}

TEST(MusicAnalysis, BadSamplesCountAsSilence) {
    MusicAnalyser analyser;
    std::vector<float> bad = tone(100.0, 0.5);
    bad[3] = std::nanf("");
    bad[500] = INFINITY;
    bad[900] = -INFINITY;
    analyser.analyse(bad.data(), 0.0);
    EXPECT_NEAR(analyser.value(MusicAnalyser::kLow), 0.9f, 0.03f);
    for (int value = 0; value < MusicAnalyser::kValueCount; ++value)
        EXPECT_TRUE(std::isfinite(analyser.value(MusicAnalyser::Value(value))));
}

TEST(MusicAnalysis, WindowHoldsTheSamplesAroundTheMomentPlayedOnOrSought) {
    CountingDecoder* decoder = new CountingDecoder(kRate * 2);
    MusicWindow window(decoder);
    // Centred on frame 22050: frames 21538 to 22561.
    const float* samples = window.read(0.5);
    EXPECT_EQ(samples[0], 22050.0f - kWindow / 2);
    EXPECT_EQ(samples[kWindow - 1], 22050.0f + kWindow / 2 - 1);
    // Played on by a frame of 735 samples: only those are decoded.
    const uint64_t before = decoder->rendered;
    samples = window.read(0.5 + 735.0 / kRate);
    EXPECT_EQ(decoder->rendered - before, 735u);
    EXPECT_EQ(samples[0], 22050.0f + 735 - kWindow / 2);
    EXPECT_EQ(decoder->seeks, 1);
    // Back, or far ahead: a seek, with the same samples as played on.
    samples = window.read(0.25);
    EXPECT_EQ(decoder->seeks, 2);
    EXPECT_EQ(samples[kWindow / 2], float(kRate / 4));
    window.read(1.5);
    EXPECT_EQ(decoder->seeks, 3);
    // Before the music's start and past its end: silence where there is no sound.
    samples = window.read(0.0);
    EXPECT_EQ(samples[0], 0.0f);
    EXPECT_EQ(samples[kWindow / 2 - 1], 0.0f);
    EXPECT_EQ(samples[kWindow / 2 + 5], 5.0f);
    samples = window.read(2.0);
    EXPECT_EQ(samples[kWindow / 2 - 1], float(2 * kRate - 1));
    EXPECT_EQ(samples[kWindow / 2], 0.0f);
    for (double odd : {-1e300, 1e300, double(NAN)}) {
        samples = window.read(odd);
        EXPECT_EQ(samples[kWindow / 2], 0.0f) << odd;
    }
    // A broken file may claim any length: the window stays within numbers it can count.
    for (double claimed : {double(INFINITY), double(NAN), 1e300}) {
        MusicWindow endless(new ClaimingDecoder(claimed));
        for (double at : {0.5, -1e300, 1e300, 0.5})
            EXPECT_EQ(endless.read(at)[kWindow / 2], at == 0.5 ? 22050.0f : 0.0f)
                << claimed << " " << at;
    }
}

TEST(MusicAnalysis, MusicTracksAreServedBesideTheTableAndNeverSaved) {
    SyncTrackSet tracks;
    const int32_t keyed = tracks.acquire("fade");
    const int32_t low = tracks.acquire("music.low");
    const int32_t beat = tracks.acquire("music.beat");
    ASSERT_GE(low, 0);
    EXPECT_NE(low, keyed);
    EXPECT_EQ(tracks.acquire("music.low"), low);
    EXPECT_EQ(tracks.acquire("music.lows"), -1);
    EXPECT_EQ(tracks.acquire("music."), -1);
    EXPECT_EQ(tracks.count(), 1u) << "the editor is offered the keyed track only";
    EXPECT_EQ(tracks.track(low), nullptr);
    tracks.setMusicValue(1, 0.75f);
    tracks.setMusicValue(4, 1.0f);
    tracks.setMusicValue(musicTracks::kCount, 5.0f); // ignored
    EXPECT_EQ(tracks.value(low, 0.0), 0.75f);
    EXPECT_EQ(tracks.value(low, 99.0), 0.75f);
    EXPECT_EQ(tracks.value(beat, 0.0), 1.0f);
    EXPECT_EQ(tracks.value(tracks.acquire("music.level"), 0.0), 0.0f);
    EXPECT_EQ(tracks.value(int32_t(SyncTrackSet::kMaxTracks + musicTracks::kCount), 0.0), 0.0f);
}

TEST(MusicAnalysis, TextureRowsAreSpectrumThenWaveformInEveryColour) {
    MusicTexture texture; // never created: update only lays the texels out
    uint8_t spectrum[MusicTexture::kWidth];
    uint8_t waveform[MusicTexture::kWidth];
    for (uint32_t x = 0; x < MusicTexture::kWidth; ++x) {
        spectrum[x] = uint8_t(x);
        waveform[x] = uint8_t(255 - x);
    }
    texture.update(spectrum, waveform);
    const uint8_t* texels = texture.texels();
    for (uint32_t x : {0u, 1u, 200u, 511u}) {
        for (uint32_t colour = 0; colour < 3; ++colour) {
            EXPECT_EQ(texels[3 * x + colour], uint8_t(x));
            EXPECT_EQ(texels[3 * (MusicTexture::kWidth + x) + colour], uint8_t(255 - x));
        }
    }
}
