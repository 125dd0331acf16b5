// The text form of tracks: what it reads, what it refuses (with the line), and the round trip
// from the text the writer makes.
#include "sync/TrackText.h"
#include "sync/SyncTrack.h"

#include <gtest/gtest.h>

#include <string>

namespace {

int parseTrack(const std::string& text, SyncTrack& track, std::string* message = nullptr) {
    char reason[128] = {};
    const int result = parseTrackText(reinterpret_cast<const uint8_t*>(text.data()), text.size(),
                                      track, reason, sizeof reason);
    if (message) *message = reason;
    return result;
}

} // namespace

TEST(TrackText, ReadsKeysCommentsBlanksAndAnyLineEnd) {
    SyncTrack track;
    ASSERT_EQ(parseTrack("# intro\n\n  16 -0.5 SMOOTH # late\r\n0\t1e-3\tlinear\n8 2 ramp\n"
                         "16 4 step",
                         track),
              0);
    ASSERT_EQ(track.keyCount(), 3u);
    EXPECT_EQ(track.key(0).row, 0);
    EXPECT_FLOAT_EQ(track.key(0).value, 0.001f);
    EXPECT_EQ(track.key(0).interpolation, kSyncLinear);
    EXPECT_EQ(track.key(1).interpolation, kSyncRamp);
    // Of two keys on one row the later wins, as in binary files.
    EXPECT_FLOAT_EQ(track.key(2).value, 4.0f);
    EXPECT_EQ(track.key(2).interpolation, kSyncStep);
    ASSERT_EQ(parseTrack("# nothing but comments\n", track), 0);
    EXPECT_EQ(track.keyCount(), 0u);
}

TEST(TrackText, RefusesWhatIsNoKeyNamingTheLineAndKeepsTheTrack) {
    SyncTrack track;
    ASSERT_EQ(parseTrack("4 1 step\n", track), 0);
    const struct {
        const char* text;
        const char* reason;
    } cases[] = {
        {"0 1 step\n\n3 1\n", "line 3: not 'row value interpolation' (such as '16 0.5 linear')"},
        {"0 1 step extra\n", "line 1: not 'row value interpolation'"},
        {"1.5 1 step\n", "line 1: row '1.5' is not a whole number"},
        {"4294967296 1 step\n", "line 1: row '4294967296' is not a whole number"},
        {"0 nan step\n", "line 1: value 'nan' is not a finite number"},
        {"0 1e39 step\n", "line 1: value '1e39' is not a finite number"},
        {"0 0,5 step\n", "line 1: value '0,5' is not a finite number"},
        {"0 1 cubic\n", "line 1: interpolation 'cubic' is not step, linear, smooth or ramp"},
    };
    for (const auto& c : cases) {
        std::string message;
        EXPECT_EQ(parseTrack(c.text, track, &message), -1) << c.text;
        EXPECT_EQ(message.rfind(c.reason, 0), 0u) << message;
        ASSERT_EQ(track.keyCount(), 1u) << c.text;
        EXPECT_EQ(track.key(0).row, 4);
    }
    std::string zero("0 1 step\n1 1 st\0ep\n", 19);
    std::string message;
    EXPECT_EQ(parseTrack(zero, track, &message), -1);
    EXPECT_EQ(message.rfind("line 2: a zero byte", 0), 0u) << message;
    // One key more than a track holds.
    std::string many;
    for (uint32_t row = 0; row <= SyncTrack::kMaxKeys; ++row)
        many += std::to_string(row) + " 1 step\n";
    EXPECT_EQ(parseTrack(many, track, &message), -1);
    EXPECT_EQ(message, "line 4097: more than 4096 keys");
}

TEST(TrackText, TheWrittenTextReadsBackToTheSameKeys) {
    SyncTrack track;
    track.setKey({-7, 0.1f, kSyncRamp});
    track.setKey({3, 123456.789f, kSyncSmooth});
    track.setKey({2147483647, -1e-20f, kSyncLinear});
    const std::string text = trackText(track, "sync/demo_x.track");
    EXPECT_EQ(
        text.rfind("# sync/demo_x.track\n# row value interpolation\n-7 0.100000001 ramp\n", 0), 0u)
        << text;
    SyncTrack again;
    ASSERT_EQ(parseTrack(text, again), 0) << text;
    ASSERT_EQ(again.keyCount(), 3u);
    for (uint32_t i = 0; i < 3; ++i) {
        EXPECT_EQ(again.key(i).row, track.key(i).row);
        EXPECT_EQ(again.key(i).value, track.key(i).value) << "nine digits give the float back";
        EXPECT_EQ(again.key(i).interpolation, track.key(i).interpolation);
    }
}
