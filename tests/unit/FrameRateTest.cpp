#include "platform/FrameTimer.h"
#include "platform/native/fake/FakeNative.h"

#include <cmath>
#include <gtest/gtest.h>

class FrameRate : public ::testing::Test {
protected:
    void SetUp() override { native::fake::reset(); }
    void TearDown() override { native::fake::reset(); }
    FrameTimer timer;
};

TEST_F(FrameRate, TwentyMillisecondsAreDeltaTwoAtFiftyFrames) {
    native::fake::setTickCount(1000);
    timer.reset();
    native::fake::advanceTickCount(20);
    timer.tick();
    EXPECT_FLOAT_EQ(timer.delta(), 2.0f);
    EXPECT_FLOAT_EQ(timer.fps(), 50.0f);
    EXPECT_EQ(timer.frames(), 0u);
    EXPECT_EQ(timer.lastTick(), 1020u);
    EXPECT_EQ(timer.pacingTick(), 1020u);
}

TEST_F(FrameRate, SameMillisecondGivesZeroDeltaAndInfiniteRate) {
    native::fake::setTickCount(5);
    timer.reset();
    timer.tick();
    EXPECT_EQ(timer.delta(), 0.0f);
    EXPECT_TRUE(std::isinf(timer.fps()));
}

TEST_F(FrameRate, ResetLeavesThePacingTickOfTheLastFrame) {
    native::fake::setTickCount(100);
    timer.tick();
    native::fake::setTickCount(250);
    timer.reset();
    EXPECT_EQ(timer.pacingTick(), 100u);
    EXPECT_EQ(timer.lastTick(), 250u);
    EXPECT_EQ(timer.delta(), 0.0f);
    EXPECT_EQ(timer.fps(), 0.0f);
}

TEST_F(FrameRate, CounterWrapStillGivesTheShortFrame) {
    native::fake::setTickCount(0xFFFFFFF6u);
    timer.reset();
    native::fake::advanceTickCount(30); // wraps past zero
    timer.tick();
    EXPECT_FLOAT_EQ(timer.delta(), 3.0f);
    EXPECT_EQ(timer.lastTick(), 20u);
}
