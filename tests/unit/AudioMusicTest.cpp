#include "AudioTestFiles.h"
#include "TempDir.h"
#include "audio/AudioDevice.h"
#include "log/Log.h"
#include "platform/native/fake/FakeNative.h"
#include <vornex/Audio.h>

#include <gtest/gtest.h>

#include <cmath>
#include <unistd.h>

namespace {
constexpr double kModuleLength = 2 * 7.68; // two patterns
constexpr double kOggLength = 2.5;
// One output frame at 44100 Hz, with room for float rounding.
constexpr double kFrameTolerance = 1.5 / 44100;

// The silent device on the fake clock, in a data tree with a module and an OGG file.
class AudioMusic : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(writeModule(dir.file("data/music/tune.mod"), 2));
        ASSERT_TRUE(writeSound(dir.file("data/music/tone.ogg"), SF_FORMAT_OGG | SF_FORMAT_VORBIS,
                               22050, 1, sine(22050, 1, kOggLength, 440)));
        dir.write("data/music/broken.xm", "Extended Module: but nothing after it");
        dir.write("data/music/broken.ogg", std::string(3000, 'x'));
        Log& log = Log::instance();
        log.setFormat(0);
        log.setOutputs(LOG_TO_FILE);
        log.setFileName(dir.file("log.txt").c_str());
        log.setEnabled(true);
        native::fake::reset();
        native::fake::setTickCount(5000);
        ASSERT_EQ(audio::init(0, 44100, 0, nullptr), 0);
    }
    void TearDown() override {
        audio::free();
        Log::instance().setEnabled(false);
    }
    MusicHandle open(const char* name) { return musicOpen(name); }

    TempDir dir;
    WorkingDirectory cwd{dir.path()};
};
} // namespace

TEST_F(AudioMusic, ModuleAndOggReportLengthsAndAdvanceWithTheClock) {
    const MusicHandle module = open("tune.mod");
    const MusicHandle ogg = open("tone.ogg");
    ASSERT_NE(module, 0u);
    ASSERT_NE(ogg, 0u);
    EXPECT_NEAR(musicGetLength(module), kModuleLength, 0.01);
    EXPECT_DOUBLE_EQ(musicGetLength(ogg), kOggLength);
    EXPECT_EQ(musicGetPosition(module), 0.0);

    ASSERT_EQ(musicPlay(module), 0);
    ASSERT_EQ(musicPlay(ogg), 0);
    EXPECT_EQ(musicIsPlaying(module), 1);
    native::fake::advanceTickCount(1000);
    EXPECT_NEAR(musicGetPosition(module), 1.0, kFrameTolerance);
    EXPECT_NEAR(musicGetPosition(ogg), 1.0, kFrameTolerance);
    // Frames are consumed per millisecond with the fraction carried: 3 x 7 ms is 21 ms.
    for (int i = 0; i < 3; ++i) native::fake::advanceTickCount(7);
    EXPECT_NEAR(musicGetPosition(module), 1.021, kFrameTolerance);
    EXPECT_NEAR(musicGetPosition(ogg), 1.021, kFrameTolerance);
    EXPECT_EQ(dir.read("log.txt"), "music: tune.mod, 15.360 s\r\nmusic: tone.ogg, 2.500 s\r\n");
}

TEST_F(AudioMusic, SetPositionIsExactWhetherPausedOrPlaying) {
    for (const char* name : {"tune.mod", "tone.ogg"}) {
        const MusicHandle music = open(name);
        ASSERT_NE(music, 0u) << name;
        ASSERT_EQ(musicSetPosition(music, 1.2345), 0);
        EXPECT_NEAR(musicGetPosition(music), 1.2345, kFrameTolerance) << name;
        ASSERT_EQ(musicPlay(music), 0);
        native::fake::advanceTickCount(250);
        EXPECT_NEAR(musicGetPosition(music), 1.4845, kFrameTolerance) << name;
        ASSERT_EQ(musicSetPosition(music, 0.5), 0); // backwards while playing
        EXPECT_NEAR(musicGetPosition(music), 0.5, kFrameTolerance) << name;
        EXPECT_EQ(musicIsPlaying(music), 1) << name;
        musicSetPosition(music, -3.0);
        EXPECT_EQ(musicGetPosition(music), 0.0) << name;
        EXPECT_EQ(musicClose(music), 0);
    }
}

TEST_F(AudioMusic, Mp3AndFlacAtOtherRatesKeepTime) {
    ASSERT_TRUE(writeSound(dir.file("data/music/tone.mp3"),
                           SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 22050, 1,
                           sine(22050, 1, 1.0, 440)));
    ASSERT_TRUE(writeSound(dir.file("data/music/tone.flac"), SF_FORMAT_FLAC | SF_FORMAT_PCM_16,
                           48000, 2, sine(48000, 2, 1.5, 440)));
    const MusicHandle mp3 = open("tone.mp3");
    const MusicHandle flac = open("tone.flac");
    ASSERT_NE(mp3, 0u);
    ASSERT_NE(flac, 0u);
    EXPECT_NEAR(musicGetLength(mp3), 1.0, 0.01);
    EXPECT_DOUBLE_EQ(musicGetLength(flac), 1.5);
    musicSetPosition(mp3, 0.3);
    musicSetPosition(flac, 0.3);
    musicPlay(mp3);
    musicPlay(flac);
    native::fake::advanceTickCount(400);
    EXPECT_NEAR(musicGetPosition(mp3), 0.7, kFrameTolerance);
    EXPECT_NEAR(musicGetPosition(flac), 0.7, kFrameTolerance);
}

TEST_F(AudioMusic, PauseHoldsStopRewindsAndTheEndStopsUntilPlayedAgain) {
    const MusicHandle music = open("tone.ogg");
    musicPlay(music);
    native::fake::advanceTickCount(500);
    ASSERT_EQ(musicPause(music), 0);
    EXPECT_EQ(musicIsPlaying(music), 0);
    native::fake::advanceTickCount(700);
    EXPECT_NEAR(musicGetPosition(music), 0.5, kFrameTolerance);
    musicPlay(music);
    native::fake::advanceTickCount(300);
    EXPECT_NEAR(musicGetPosition(music), 0.8, kFrameTolerance);

    ASSERT_EQ(musicStop(music), 0);
    EXPECT_EQ(musicIsPlaying(music), 0);
    EXPECT_EQ(musicGetPosition(music), 0.0);
    native::fake::advanceTickCount(300);
    EXPECT_EQ(musicGetPosition(music), 0.0);

    musicPlay(music);
    native::fake::advanceTickCount(60000);
    EXPECT_EQ(musicIsPlaying(music), 0);
    EXPECT_DOUBLE_EQ(musicGetPosition(music), kOggLength);
    musicPlay(music); // from the start again
    native::fake::advanceTickCount(100);
    EXPECT_NEAR(musicGetPosition(music), 0.1, kFrameTolerance);

    ASSERT_EQ(musicSetPosition(music, 99.0), 0);
    EXPECT_EQ(musicIsPlaying(music), 0);
    EXPECT_DOUBLE_EQ(musicGetPosition(music), kOggLength);
}

TEST_F(AudioMusic, ModulePlaysOnceToItsEnd) {
    const MusicHandle music = open("tune.mod");
    musicSetPosition(music, kModuleLength - 0.2);
    musicPlay(music);
    native::fake::advanceTickCount(1000);
    EXPECT_EQ(musicIsPlaying(music), 0);
    EXPECT_NEAR(musicGetPosition(music), musicGetLength(music), 1e-9);
    musicPlay(music);
    native::fake::advanceTickCount(500);
    EXPECT_NEAR(musicGetPosition(music), 0.5, kFrameTolerance);
}

TEST_F(AudioMusic, TheClockWrapsAndStoppedDeviceHoldsPositions) {
    audio::free();
    native::fake::setTickCount(0xFFFFFF00u);
    ASSERT_EQ(audio::init(0, 44100, 0, nullptr), 0);
    const MusicHandle music = open("tone.ogg");
    musicPlay(music);
    native::fake::advanceTickCount(1000); // through 2^32
    EXPECT_NEAR(musicGetPosition(music), 1.0, kFrameTolerance);
    audio::stop();
    native::fake::advanceTickCount(1000);
    EXPECT_NEAR(musicGetPosition(music), 1.0, kFrameTolerance);
    EXPECT_EQ(musicIsPlaying(music), 1);
}

TEST_F(AudioMusic, VolumeIsClampedToSilenceAndFull) {
    const MusicHandle music = open("tone.ogg");
    EXPECT_EQ(musicGetVolume(music), 1.0f);
    musicSetVolume(music, 0.25f);
    EXPECT_EQ(musicGetVolume(music), 0.25f);
    musicSetVolume(music, 7.0f);
    EXPECT_EQ(musicGetVolume(music), 1.0f);
    musicSetVolume(music, -1.0f);
    EXPECT_EQ(musicGetVolume(music), 0.0f);
    musicSetVolume(music, std::nanf(""));
    EXPECT_EQ(musicGetVolume(music), 0.0f);
}

TEST_F(AudioMusic, BadFilesGiveNoHandleAndALogLine) {
    EXPECT_EQ(open("missing.ogg"), 0u);
    EXPECT_EQ(open("broken.xm"), 0u);
    EXPECT_EQ(open("broken.ogg"), 0u);
    EXPECT_EQ(open("notes.txt"), 0u);
    EXPECT_EQ(open(""), 0u);
    EXPECT_EQ(musicOpen(nullptr), 0u);
    const std::string log = dir.read("log.txt");
    EXPECT_NE(log.find("ERROR music: missing.ogg not found\r\n"), std::string::npos) << log;
    EXPECT_NE(log.find("ERROR music: broken.xm: "), std::string::npos) << log;
    EXPECT_NE(log.find("ERROR music: broken.ogg: "), std::string::npos) << log;
    EXPECT_NE(log.find("ERROR music: notes.txt is not a music file\r\n"), std::string::npos);
    EXPECT_NE(log.find("ERROR music: no file name\r\n"), std::string::npos);
}

TEST_F(AudioMusic, InvalidClosedAndFreedHandlesAreHarmless) {
    const MusicHandle closed = open("tone.ogg");
    ASSERT_EQ(musicClose(closed), 0);
    const MusicHandle freed = open("tune.mod");
    audio::free();
    ASSERT_EQ(audio::init(0, 44100, 0, nullptr), 0);
    for (MusicHandle handle : {MusicHandle(0), closed, freed, MusicHandle(0x12345678)}) {
        EXPECT_EQ(musicPlay(handle), -1);
        EXPECT_EQ(musicPause(handle), -1);
        EXPECT_EQ(musicStop(handle), -1);
        EXPECT_EQ(musicIsPlaying(handle), -1);
        EXPECT_EQ(musicSetVolume(handle, 1), -1);
        EXPECT_EQ(musicGetVolume(handle), -1.0f);
        EXPECT_EQ(musicGetLength(handle), -1.0);
        EXPECT_EQ(musicGetPosition(handle), -1.0);
        EXPECT_EQ(musicSetPosition(handle, 1), -1);
        EXPECT_EQ(musicClose(handle), -1);
    }
}
