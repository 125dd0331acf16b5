// The wait at the end of a frame on the fake clock, which sleeps move by what was asked and
// yields by a fraction of a millisecond.
#include "demo/cDemo.h"
#include "platform/native/fake/FakeNative.h"

#include <gtest/gtest.h>

class FramePacing : public ::testing::Test {
protected:
    void SetUp() override {
        native::fake::reset();
        native::fake::setTickCount(1000);
        demo.clock().tick(); // the previous frame ended at 1000
    }
    // Presents a frame whose drawing took `milliseconds`.
    void presentAfter(uint32_t milliseconds) {
        native::fake::setTickCount(1000 + milliseconds);
        demo.present();
    }

    cDemo demo;
};

TEST_F(FramePacing, AQuickFrameSleepsUntilTheLastMillisecondAndEndsAtTheMinimum) {
    presentAfter(2);
    EXPECT_EQ(native::getTickCount(), 1014u);
    EXPECT_EQ(demo.clock().pacingTick(), 1014u);
    EXPECT_FLOAT_EQ(demo.clock().delta(), 1.4f);
    EXPECT_EQ(native::fake::sleptMilliseconds(), 11u);
    EXPECT_GT(native::fake::yieldCount(), 0u);
}

TEST_F(FramePacing, AFrameInItsLastMillisecondOnlySpins) {
    presentAfter(13);
    EXPECT_EQ(native::getTickCount(), 1014u);
    EXPECT_EQ(native::fake::sleptMilliseconds(), 0u);
    EXPECT_GT(native::fake::yieldCount(), 0u);
}

TEST_F(FramePacing, AFrameThatTookTheMinimumOrLongerDoesNotWait) {
    presentAfter(14);
    EXPECT_EQ(native::getTickCount(), 1014u);
    presentAfter(40);
    EXPECT_EQ(native::getTickCount(), 1040u);
    EXPECT_FLOAT_EQ(demo.clock().delta(), 2.6f);
    EXPECT_EQ(native::fake::sleptMilliseconds(), 0u);
    EXPECT_EQ(native::fake::yieldCount(), 0u);
}
