// The render's clock: picture k shows exactly k / fps after the run's start, the sound of
// each frame is counted in whole samples, and the frame counts of a duration and of an
// exit follow the documented rules.
#include "render/RenderClock.h"

#include <gtest/gtest.h>

#include <algorithm>

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

} // namespace
