// An hour of a demo at 240 frames a second on the fake back end, stepped as a render steps
// it: the music the audio layer mixes stays on the picture's time to the sample.
#include "AudioTestFiles.h"
#include "DemoFixture.h"
#include "audio/AudioDevice.h"
#include "demo/FrameDriver.h"
#include "render/RenderClock.h"
#include <vornex/Audio.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

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
