// Track file names and bytes against hand-made ones, broken files, and the round trip
// through the data tree.
#include "sync/TrackFile.h"
#include "TempDir.h"
#include "TrackFileBytes.h"
#include "log/Log.h"
#include "sync/SyncTrack.h"
#include "sync/SyncTrackSet.h"
#include "sync/TrackFileName.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

namespace {

int parse(const std::string& bytes, SyncTrack& track) {
    char message[128];
    return parseTrackFile(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), track,
                          message, sizeof message);
}

TEST(TrackFile, NamesEscapeEverythingButLettersDigitsDotUnderscoreSlash) {
    char name[64];
    ASSERT_TRUE(trackFileName("sync/demo", "cam:pos x", name, sizeof name));
    EXPECT_STREQ(name, "sync/demo_cam-3Apos-20x.track");
    ASSERT_TRUE(trackFileName("b", "Group/a.b_C9", name, sizeof name));
    EXPECT_STREQ(name, "b_Group/a.b_C9.track");
    ASSERT_TRUE(trackFileName("b", "\xe9-#", name, sizeof name));
    EXPECT_STREQ(name, "b_-E9-2D-23.track");
    // Names that would leave the base's folder, and names that do not fit.
    for (const char* bad : {"", "..", "a/../b", "/etc", "a//b", "a/", "./a"})
        EXPECT_FALSE(trackFileName("b", bad, name, sizeof name)) << bad;
    EXPECT_TRUE(trackNameUsable("a/..b/c."));
    EXPECT_FALSE(trackFileName("b", "::::::::::::::::::::", name, sizeof name));
    EXPECT_STREQ(name, "");
    // Bases are not escaped: they must keep below the data folder as they are written.
    for (const char* bad : {"../../outside/x", "sync/../../x", "/tmp/x", "sync//x", "..\\x", "C:x"})
        EXPECT_FALSE(trackFileName(bad, "t", name, sizeof name)) << bad;
    SyncTrackSet tracks;
    ASSERT_EQ(tracks.setBase("sync/intro"), 0);
    EXPECT_EQ(tracks.setBase("../../outside/x"), -1);
    EXPECT_STREQ(tracks.base(), "sync/intro");
    EXPECT_EQ(tracks.setBase(""), 0); // no files
}

TEST(TrackFile, ReadsLittleEndianKeysAndSortsThem) {
    SyncTrack track;
    ASSERT_EQ(parse(le32(3) + trackKey(9, 1.5f, kSyncLinear) + trackKey(-2, -2.0f, kSyncStep) +
                        trackKey(9, 8.0f, kSyncRamp),
                    track),
              0);
    ASSERT_EQ(track.keyCount(), 2u);
    EXPECT_EQ(track.key(0).row, -2);
    EXPECT_EQ(track.key(0).value, -2.0f);
    EXPECT_EQ(track.key(1).row, 9);
    EXPECT_EQ(track.key(1).value, 8.0f); // the later key of a row wins
    EXPECT_EQ(track.key(1).interpolation, kSyncRamp);
    ASSERT_EQ(parse(le32(0), track), 0);
    EXPECT_EQ(track.keyCount(), 0u);
}

TEST(TrackFile, BrokenFilesLeaveTheTrackAsItWas) {
    SyncTrack track;
    track.setKey({4, 4.0f, kSyncStep});
    const std::string one = le32(1) + trackKey(1, 1.0f, kSyncStep);
    for (const std::string& bad :
         {std::string("\1\0\0", 3), le32(0xFFFFFFFFu), le32(2) + trackKey(1, 1.0f, 0), one + "x",
          le32(1) + trackKey(1, 1.0f, 4), le32(SyncTrack::kMaxKeys + 1),
          le32(2) + trackKey(1, 1.0f, 0) + trackKey(2, std::nanf(""), 0),
          le32(1) + trackKey(1, -HUGE_VALF, 0)}) {
        EXPECT_EQ(parse(bad, track), -1);
        ASSERT_EQ(track.keyCount(), 1u);
        EXPECT_EQ(track.key(0).row, 4);
    }
}

TEST(TrackFile, SavedBytesAreTheFormatAndLoadBack) {
    TempDir dir;
    WorkingDirectory cwd(dir.path());
    Log::instance().setEnabled(false);
    {
        SyncTrackSet tracks;
        ASSERT_EQ(tracks.setBase("sync/demo"), 0);
        SyncTrack& track = *tracks.track(tracks.acquire("bg:red"));
        track.setKey({16, 0.25f, kSyncSmooth});
        track.setKey({0, 1.0f, kSyncLinear});
        ASSERT_EQ(tracks.saveAll(), 0);
    }
    EXPECT_EQ(dir.read("data/sync/demo_bg-3Ared.track"),
              le32(2) + trackKey(0, 1.0f, kSyncLinear) + trackKey(16, 0.25f, kSyncSmooth));
    EXPECT_FALSE(dir.exists("data/sync/demo_bg-3Ared.track.part"));

    SyncTrackSet again;
    again.setBase("sync/demo");
    const int32_t handle = again.acquire("bg:red");
    ASSERT_EQ(again.track(handle)->keyCount(), 2u);
    EXPECT_FLOAT_EQ(again.track(handle)->value(8.0), 0.625f);
    // Setting the base after the tracks reads them too; a track without a file stays empty.
    SyncTrackSet late;
    const int32_t early = late.acquire("bg:red");
    const int32_t none = late.acquire("none");
    late.setBase("sync/demo");
    EXPECT_EQ(late.track(early)->keyCount(), 2u);
    EXPECT_EQ(late.track(none)->keyCount(), 0u);
}

} // namespace
