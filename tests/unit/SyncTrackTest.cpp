// Track keys and interpolation against hand-computed values, and rows from demo time.
#include "sync/SyncTrack.h"
#include "sync/SyncTrackSet.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(SyncTrack, InterpolatesEachKindBetweenKeysAndHoldsOutside) {
    SyncTrack track;
    EXPECT_EQ(track.value(3.0), 0.0f); // no keys
    ASSERT_EQ(track.setKey({0, 0.0f, kSyncLinear}), 0);
    ASSERT_EQ(track.setKey({10, 10.0f, kSyncSmooth}), 0);
    ASSERT_EQ(track.setKey({20, 0.0f, kSyncRamp}), 0);
    ASSERT_EQ(track.setKey({30, 4.0f, kSyncStep}), 0);
    ASSERT_EQ(track.setKey({40, 100.0f, kSyncLinear}), 0);

    EXPECT_FLOAT_EQ(track.value(-5.0), 0.0f);    // before the first key
    EXPECT_FLOAT_EQ(track.value(2.5), 2.5f);     // linear
    EXPECT_FLOAT_EQ(track.value(10.0), 10.0f);   // on a key
    EXPECT_FLOAT_EQ(track.value(12.5), 8.4375f); // smooth: t=.25 -> .15625, 10 - 1.5625
    EXPECT_FLOAT_EQ(track.value(15.0), 5.0f);    // smooth: t=.5 -> .5
    EXPECT_FLOAT_EQ(track.value(25.0), 1.0f);    // ramp: t=.5 -> .25 of 0..4
    EXPECT_FLOAT_EQ(track.value(39.9), 4.0f);    // step holds until the next key
    EXPECT_FLOAT_EQ(track.value(40.0), 100.0f);
    EXPECT_FLOAT_EQ(track.value(1e6), 100.0f); // from the last key on
}

TEST(SyncTrack, KeysStaySortedReplaceByRowAndRefuseWhatDoesNotFit) {
    SyncTrack track;
    track.setKey({8, 3.0f, kSyncStep});
    track.setKey({2, 1.0f, kSyncStep});
    track.setKey({5, 2.0f, kSyncStep});
    track.setKey({5, 7.0f, kSyncLinear}); // same row: replaced
    ASSERT_EQ(track.keyCount(), 3u);
    EXPECT_EQ(track.key(0).row, 2);
    EXPECT_EQ(track.key(1).row, 5);
    EXPECT_EQ(track.key(1).value, 7.0f);
    EXPECT_EQ(track.key(2).row, 8);

    EXPECT_EQ(track.deleteKey(4), -1);
    EXPECT_EQ(track.deleteKey(5), 0);
    EXPECT_EQ(track.keyCount(), 2u);
    EXPECT_EQ(track.setKey({9, 1.0f, 4}), -1); // no such interpolation
    EXPECT_EQ(track.setKey({9, std::nanf(""), kSyncStep}), -1);
    EXPECT_EQ(track.setKey({9, HUGE_VALF, kSyncStep}), -1);
    EXPECT_EQ(track.keyCount(), 2u);

    SyncTrack full;
    for (int32_t row = 0; row < int32_t(SyncTrack::kMaxKeys); ++row)
        ASSERT_EQ(full.setKey({row, 0.0f, kSyncStep}), 0);
    EXPECT_EQ(full.setKey({-1, 0.0f, kSyncStep}), -1);
    EXPECT_EQ(full.setKey({7, 9.0f, kSyncStep}), 0); // replacing still works when full
}

TEST(SyncTrack, RowsFollowBeatsPerMinuteAndRowsPerBeat) {
    SyncTrackSet tracks;
    ASSERT_EQ(tracks.setTiming(150.0f, 4.0f), 0); // 10 rows a second
    EXPECT_DOUBLE_EQ(tracks.rowAt(2.5), 25.0);
    EXPECT_DOUBLE_EQ(tracks.secondsAt(25.0), 2.5);
    EXPECT_EQ(tracks.setTiming(0.0f, 4.0f), -1);
    EXPECT_EQ(tracks.setTiming(120.0f, -8.0f), -1);
    EXPECT_DOUBLE_EQ(tracks.rowsPerSecond(), 10.0);

    const int32_t fade = tracks.acquire("fade");
    EXPECT_EQ(tracks.acquire("fade"), fade);
    EXPECT_NE(tracks.acquire("Fade"), fade); // names compare exactly, as the editor's do
    tracks.track(fade)->setKey({0, 0.0f, kSyncLinear});
    tracks.track(fade)->setKey({20, 1.0f, kSyncLinear});
    EXPECT_FLOAT_EQ(tracks.value(fade, 1.5), 0.75f);
    EXPECT_EQ(tracks.value(-1, 1.5), 0.0f);
    EXPECT_EQ(tracks.value(99, 1.5), 0.0f);
}

} // namespace
