#include "AudioTestFiles.h"
#include "TempDir.h"
#include "audio/Mixer.h"
#include "audio/SampledDecoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <memory>

namespace {
// Renders `value` on both sides for `frames` frames, then ends.
class ConstantDecoder : public MusicDecoder {
public:
    ConstantDecoder(float value, uint32_t frames) : value_(value), frames_(frames) {}
    uint32_t render(float* stereo, uint32_t frames, uint32_t) override {
        const uint32_t count = std::min(frames, frames_ - done_);
        for (uint32_t i = 0; i < 2 * count; ++i) stereo[i] = value_;
        done_ += count;
        return count;
    }
    double length() const override { return frames_; }
    double position() const override { return done_; }
    void seek(double seconds, uint32_t) override { done_ = uint32_t(seconds); }

private:
    float value_;
    uint32_t frames_;
    uint32_t done_ = 0;
};

std::vector<uint8_t> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
} // namespace

TEST(AudioMixer, SumsPlayingMusicsAtTheirVolumesAndStopsThoseThatEnd) {
    Mixer mixer;
    const MusicHandle loud =
        mixer.add(new ConstantDecoder(0.5f, 2000), nullptr, MusicFormat::Unknown);
    const MusicHandle quiet =
        mixer.add(new ConstantDecoder(0.25f, 700), nullptr, MusicFormat::Unknown);
    const MusicHandle paused =
        mixer.add(new ConstantDecoder(1.0f, 2000), nullptr, MusicFormat::Unknown);
    ASSERT_NE(loud, 0u);
    mixer.find(loud)->playing = true;
    mixer.find(quiet)->playing = true;
    mixer.find(quiet)->volume = 0.5f;

    std::vector<float> out(2 * 1000, -9.0f);
    EXPECT_TRUE(mixer.mix(out.data(), 1000));
    EXPECT_FLOAT_EQ(out[0], 0.625f);
    EXPECT_FLOAT_EQ(out[2 * 699 + 1], 0.625f);
    EXPECT_FLOAT_EQ(out[2 * 700], 0.5f); // the quiet one ended mid-call
    EXPECT_FLOAT_EQ(out[2 * 999 + 1], 0.5f);
    EXPECT_FALSE(mixer.find(quiet)->playing);
    EXPECT_EQ(mixer.find(paused)->decoder->position(), 0.0);

    mixer.find(loud)->playing = false;
    EXPECT_FALSE(mixer.mix(out.data(), 1000));
    EXPECT_EQ(out[0], 0.0f);

    Mixer::Music taken;
    while (mixer.takeAny(taken)) delete taken.decoder;
}

TEST(AudioMixer, HandlesStayInvalidAfterCloseAndTheTableRefusesOverflow) {
    Mixer mixer;
    std::vector<MusicHandle> handles;
    for (uint32_t i = 0; i < Mixer::kSlots; ++i)
        handles.push_back(mixer.add(new ConstantDecoder(0, 1), nullptr, MusicFormat::Unknown));
    ConstantDecoder extra(0, 1);
    EXPECT_EQ(mixer.add(&extra, nullptr, MusicFormat::Unknown), 0u);

    Mixer::Music taken;
    ASSERT_TRUE(mixer.take(handles[3], taken));
    delete taken.decoder;
    EXPECT_EQ(mixer.find(handles[3]), nullptr);
    EXPECT_FALSE(mixer.take(handles[3], taken));
    const MusicHandle reused = mixer.add(new ConstantDecoder(0, 1), nullptr, MusicFormat::Unknown);
    EXPECT_NE(reused, handles[3]); // same slot, new generation
    EXPECT_EQ(mixer.find(handles[3]), nullptr);
    EXPECT_NE(mixer.find(reused), nullptr);
    EXPECT_EQ(mixer.find(0), nullptr);
    EXPECT_EQ(mixer.find(0xFFFFFFFFu), nullptr);

    while (mixer.takeAny(taken)) delete taken.decoder;
}

TEST(AudioMixer, SampledSoundIsInterpolatedToTheMixRateAndSeeksExactly) {
    TempDir dir;
    const std::string path = dir.file("ramp.wav");
    // A mono ramp at 22050 Hz: at 44100 Hz every second output frame falls halfway.
    std::vector<float> ramp;
    for (int i = 0; i < 22050; ++i) ramp.push_back(float(i % 64) / 64.0f);
    ASSERT_TRUE(writeSound(path, SF_FORMAT_WAV | SF_FORMAT_FLOAT, 22050, 1, ramp));
    std::vector<uint8_t> bytes = readBytes(path);
    char error[128];
    std::unique_ptr<SampledDecoder> decoder(
        SampledDecoder::open(bytes.data(), uint32_t(bytes.size()), error, sizeof error));
    ASSERT_TRUE(decoder) << error;
    EXPECT_DOUBLE_EQ(decoder->length(), 1.0);

    float out[2 * 8];
    ASSERT_EQ(decoder->render(out, 8, 44100), 8u);
    const float expected[8] = {0,         0.5f / 64, 1.0f / 64, 1.5f / 64,
                               2.0f / 64, 2.5f / 64, 3.0f / 64, 3.5f / 64};
    for (int i = 0; i < 8; ++i) {
        EXPECT_FLOAT_EQ(out[2 * i], expected[i]) << i;
        EXPECT_FLOAT_EQ(out[2 * i + 1], expected[i]) << i;
    }
    EXPECT_DOUBLE_EQ(decoder->position(), 4.0 / 22050);

    decoder->seek(0.5 + 0.25 / 22050, 44100);
    EXPECT_NEAR(decoder->position(), 0.5 + 0.25 / 22050, 1e-12);
    ASSERT_EQ(decoder->render(out, 1, 44100), 1u);
    const int frame = 11025; // 11025 % 64 == 17
    EXPECT_NEAR(out[0], (17 + 0.25f) / 64, 1e-6) << frame;

    decoder->seek(1.0, 44100);
    EXPECT_EQ(decoder->render(out, 8, 44100), 0u);
    EXPECT_DOUBLE_EQ(decoder->position(), 1.0);
}
