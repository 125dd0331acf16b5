// The SDL sound output, linked into the player on Linux: it falls back when SDL has no
// driver, and consumes audio on SDL's own thread like a sound card would.
#include "AudioTestFiles.h"
#include "TempDir.h"
#include "audio/AudioDevice.h"
#include <vornex/Audio.h>

#include <gtest/gtest.h>

#include <string>
#include <unistd.h>

TEST(SdlAudioOutput, FallsBackToTheSilentDeviceWithoutSoundOutput) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    EXPECT_EQ(audio::init(1, 44100, 0, nullptr), -1);
    unsetenv("SDL_AUDIODRIVER");
    EXPECT_EQ(audio::init(0, 44100, 0, nullptr), 0);
    audio::free();
}

TEST(SdlAudioOutput, AMissingSoundDeviceGivesOneLineAndNoLibraryNoise) {
    // A device that exists nowhere, so the search fails as on a machine without a card.
    setenv("SDL_AUDIODRIVER", "alsa", 1);
    setenv("AUDIODEV", "vornex-no-such-device", 1);
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    EXPECT_EQ(audio::init(1, 44100, 0, nullptr), -1);
    const std::string errors = testing::internal::GetCapturedStderr();
    const std::string output = testing::internal::GetCapturedStdout();
    unsetenv("SDL_AUDIODRIVER");
    unsetenv("AUDIODEV");
    EXPECT_EQ(errors, "");
    EXPECT_EQ(output.rfind("Sound is off: ", 0), 0u) << output;
    EXPECT_EQ(output.find('\n'), output.size() - 1) << output;
}

TEST(SdlAudioOutput, SdlOutputMixesOnItsOwnThread) {
    TempDir dir;
    WorkingDirectory cwd(dir.path());
    ASSERT_TRUE(writeSound(dir.file("data/music/tone.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100,
                           2, sine(44100, 2, 30, 440)));
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_EQ(audio::init(1, 44100, 0, nullptr), 0);
    unsetenv("SDL_AUDIODRIVER");
    testing::internal::CaptureStdout();
    const MusicHandle music = musicOpen("tone.wav");
    testing::internal::GetCapturedStdout();
    ASSERT_NE(music, 0u);
    musicPlay(music);
    // The output's thread mixes when the system asks for sound, however late that is.
    while (musicGetPosition(music) == 0.0) usleep(10000);
    EXPECT_GT(musicGetPosition(music), 0.0);
    musicSetPosition(music, 20.0);
    EXPECT_GE(musicGetPosition(music), 20.0);
    audio::stop();
    const double held = musicGetPosition(music);
    usleep(100000);
    EXPECT_EQ(musicGetPosition(music), held);
    audio::free();
}
