// The render's clock: picture k shows exactly k / fps after the run's start, the sound of
// each frame is counted in whole samples, and the frame counts of a duration and of an
// exit follow the documented rules. Then an hour of a demo at 240 frames a second on the
// fake back end: the music the audio layer mixes stays on the picture's time to the sample.
#include "render/RenderClock.h"
#include "AudioTestFiles.h"
#include "DemoFixture.h"
#include "audio/AudioDevice.h"
#include "demo/FrameDriver.h"
#include <vornex/Audio.h>

#include <cmath>
#include <vector>

namespace {

TEST(RenderClock, PicturesShowWholeFramesOfTimeAndSoundCountsWholeSamples) {
    RenderClock clock(30, 44100);
    clock.newDemo();
    EXPECT_EQ(clock.nextPictureTime(12.0), 12.0); // the first picture shows where the run is
    for (int k = 1; k <= 30 * 600; ++k) EXPECT_EQ(clock.nextPictureTime(-1.0), 12.0 + k / 30.0);
    int64_t samples = 0;
    for (int k = 0; k < 3; ++k) samples += clock.pictureWritten();
    EXPECT_EQ(samples, 4410);  // 1470 each
    RenderClock odd(7, 44100); // 6300 samples a second do not split into whole frames
    uint32_t most = 0, least = 44100;
    for (int k = 0; k < 7 * 3; ++k) {
        const uint32_t count = odd.pictureWritten();
        most = std::max(most, count);
        least = std::min(least, count);
    }
    EXPECT_EQ(odd.soundSamples(), 3 * 44100);
    EXPECT_LE(most - least, 1u);
    EXPECT_LE(most, odd.maxSamplesOfPicture());

    // A new demo starts again from the time its run stands at.
    clock.newDemo();
    EXPECT_EQ(clock.nextPictureTime(0.5), 0.5);
    EXPECT_EQ(clock.nextPictureTime(0.5), 0.5 + 1.0 / 30.0);
}

TEST(RenderClock, ADurationTakesThePicturesBeforeItsEnd) {
    EXPECT_EQ(RenderClock::framesIn(1.0, 30), 30);
    EXPECT_EQ(RenderClock::framesIn(0.7, 30), 21); // 0.7 * 30 is 21.000000000000004
    EXPECT_EQ(RenderClock::framesIn(0.5, 25), 13);
    EXPECT_EQ(RenderClock::framesIn(86400.0, 240), 86400 * 240);
}

TEST(RenderClock, AnExitEndsTheFileWithTheFirstPictureAtOrPastItsTime) {
    RenderClock clock(30, 44100);
    clock.newDemo();
    clock.nextPictureTime(0.0);
    EXPECT_EQ(clock.framesUntilExitAt(1.0f), 31); // pictures 0 .. 1.0 s
    EXPECT_EQ(clock.framesUntilExitAt(0.1f), 4);  // 0, 1/30, 2/30, 3/30 (0.1f is above 0.1)
    RenderClock ten(10, 44100);
    ten.newDemo();
    ten.nextPictureTime(0.0);
    EXPECT_EQ(ten.framesUntilExitAt(1.0f), 11);
    EXPECT_EQ(ten.framesUntilExitAt(0.3f), 4); // 3/10 rounds to 0.3f, which fires
    RenderClock clip(25, 44100);
    clip.newDemo();
    clip.nextPictureTime(1.0);                   // --start 1
    EXPECT_EQ(clip.framesUntilExitAt(1.5f), 14); // 1.00 .. 1.52 s
    EXPECT_EQ(clip.framesUntilExitAt(1.0f), 0);  // fired by the jump to the start
}

// Steps the demo like a render does, mixing each frame's sound, without reading pictures.
class ClockOnlyDriver : public FrameDriver {
public:
    explicit ClockOnlyDriver(int fps) : clock(fps, 44100), sound(2 * clock.maxSamplesOfPicture()) {}
    void adjustWindow(WindowSettings&) override { clock.newDemo(); }
    double frameTime(double now) override { return clock.nextPictureTime(now); }
    void frameDrawn(Demo&) override { audio::renderMix(sound.data(), clock.pictureWritten()); }
    bool finished() const override { return false; }

    RenderClock clock;
    std::vector<float> sound;
};

// Plays a music file from demo time `start`, as a music effect does, and records how far
// the music's position strays from the demo time it is drawn at.
class MusicAtTime : public Effect {
public:
    MusicAtTime(MusicHandle music, double start) : music(music), start(start) {}
    void update(float) override {
        const double target = static_cast<double>(host->time()) - start;
        if (target < 0.0) return;
        if (musicIsPlaying(music) != 1) {
            musicSetPosition(music, target);
            musicPlay(music);
            return;
        }
        drift = std::max(drift, std::fabs(musicGetPosition(music) - target));
        ++checked;
    }

    MusicHandle music;
    double start;
    double drift = 0.0;
    int checked = 0;
};

class RenderTiming : public DemoFixture {};

TEST_F(RenderTiming, AnHourAt240FramesASecondKeepsPicturesAndMusicOnTheSample) {
    constexpr int kFps = 240;
    constexpr int64_t kFrames = int64_t(3600) * kFps;
    ASSERT_TRUE(writeSound(dir.file("data/music/tone.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100,
                           2, sine(44100, 2, 10.0, 441.0)));
    audio::setRenderMode(true);
    ClockOnlyDriver driver(kFps);
    demo->setFrameDriver(&driver);
    walk(R"(<demo width="64" height="48"/>)");
    const MusicHandle music = musicOpen("tone.wav");
    ASSERT_NE(music, 0u);
    auto* effect = new MusicAtTime(music, 3595.0);
    ASSERT_EQ(demo->adoptEffect(effect, "music", "music"), 0);
    walk(R"(<demo><draworder effect="music"/></demo>)");
    for (int64_t k = 0; k < kFrames; ++k) demo->frame();
    // The last picture shows 3599.99583 s, not a float sum of 1/240 steps.
    EXPECT_EQ(demo->exactTime(), (kFrames - 1) / double(kFps));
    EXPECT_EQ(driver.clock.soundSamples(), int64_t(3600) * 44100);
    EXPECT_GT(effect->checked, 4 * kFps);
    // Within a sample and the float time that effects read at an hour (1/8192 s apart).
    EXPECT_LT(effect->drift, 1.0 / 44100 + 1.0 / 8192) << effect->drift;
    musicClose(music);
    demo.reset();
    audio::setRenderMode(false);
}

} // namespace
