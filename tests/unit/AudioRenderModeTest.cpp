// The audio layer's render mode: nothing plays as the clock passes, renderMix() takes the
// mix on demand, sample for sample; the device pause silences and holds every music.
#include "AudioTestFiles.h"
#include "TempDir.h"
#include "audio/AudioDevice.h"
#include "log/Log.h"
#include "platform/native/fake/FakeNative.h"
#include <vornex/Audio.h>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

float peak(const std::vector<float>& stereo) {
    float most = 0.0f;
    for (float sample : stereo) most = std::max(most, std::fabs(sample));
    return most;
}

TEST(AudioRenderMode, MixesOnlyWhatIsAskedForAndPausesHoldTheMusic) {
    TempDir dir;
    WorkingDirectory cwd(dir.path());
    Log::instance().setEnabled(false);
    ASSERT_TRUE(writeSound(dir.file("data/music/tone.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100,
                           2, sine(44100, 2, 2.0, 441.0)));
    native::fake::reset();
    audio::setRenderMode(true);
    // Even the system device (which the fake back end does not have) opens in render mode.
    ASSERT_EQ(audio::init(1, 44100, 0, nullptr), 0);
    const MusicHandle music = musicOpen("tone.wav");
    ASSERT_NE(music, 0u);
    musicPlay(music);
    native::fake::advanceTickCount(5000);
    EXPECT_EQ(musicGetPosition(music), 0.0); // no real-time output consumed anything

    std::vector<float> stereo(2 * 4410);
    ASSERT_EQ(audio::renderMix(stereo.data(), 4410), 0);
    EXPECT_DOUBLE_EQ(musicGetPosition(music), 0.1);
    EXPECT_NEAR(peak(stereo), 0.25f, 0.01f);

    audio::pause(true);
    audio::renderMix(stereo.data(), 4410);
    EXPECT_EQ(peak(stereo), 0.0f);
    EXPECT_DOUBLE_EQ(musicGetPosition(music), 0.1);
    audio::pause(false);
    audio::renderMix(stereo.data(), 4410);
    EXPECT_DOUBLE_EQ(musicGetPosition(music), 0.2);

    audio::free();
    audio::setRenderMode(false);
    EXPECT_EQ(audio::renderMix(stereo.data(), 10), -1); // no device: silence
    EXPECT_EQ(stereo[0], 0.0f);
}

} // namespace
