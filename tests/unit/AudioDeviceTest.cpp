// The audio device's start and stop: devices, rates and the fall-back to silence.
#include "audio/AudioDevice.h"

#include <gtest/gtest.h>

TEST(AudioDevice, RefusesUnknownDevicesRatesAndASecondStart) {
    EXPECT_EQ(audio::init(2, 44100, 0, nullptr), -1);
    EXPECT_EQ(audio::init(0, 100, 0, nullptr), -1);
    EXPECT_EQ(audio::init(0, 44100, 0, nullptr), 0);
    EXPECT_EQ(audio::init(0, 44100, 0, nullptr), -1);
    audio::stop();
    audio::free();
    audio::free();
}

// The player's start-up: device 1, and device 0 when there is no sound output (the unit
// tests are linked without one).
TEST(AudioDevice, FallsBackToTheSilentDeviceWithoutSoundOutput) {
    EXPECT_EQ(audio::init(1, 44100, 0, nullptr), -1);
    EXPECT_EQ(audio::init(0, 44100, 0, nullptr), 0);
    audio::free();
}
