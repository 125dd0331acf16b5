// Track files as authors without the editor make them: the text form the player reads when
// there is no binary file, `--tracks-text` writing that form from binary files, and a drive
// of a parameter the effect does not have, refused when the script is played.
#include "StockEffectsFixture.h"
#include "TrackFileBytes.h"

#include <cstring>

namespace {

bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace

TEST(SyncTracksPlayer, TheTextFormIsReadWhenTheBinaryFileIsMissing) {
    if (!haveDisplay()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TempDir dir;
    // One row a second. Red steps up at 1 s; green runs from 0 to 1 over two seconds.
    dir.write("data/sync/demo_red.track.txt", "# red\n\n0 0 step   # dark first\n1 1 step\n");
    dir.write("data/sync/demo_green.track.txt", "0\t0\tlinear\r\n2 1 step\r\n");
    // A binary file wins over its text form: blue is 1, not 0.
    dir.write("data/sync/demo_blue.track", trackFile({{0, 1.0f, 1}}));
    dir.write("data/sync/demo_blue.track.txt", "0 0 step\n");
    // A broken text leaves its track empty, with the line and the reason in the log.
    dir.write("data/sync/demo_alpha.track.txt", "0 1 step\n4 1 bounce\n");
    dir.write("data/script.txt", stockScript(R"(
<sync bpm="60" rowsperbeat="1" base="sync/demo"/>
<add type="clear" name="bg"/>
<drive effect="bg" param="color" tracks="red, green, blue, alpha"/>
<add type="capture" name="rec"/><rec folder="frames"/>
<draworder effect="bg" effect="rec"/>)",
                                             10, 2.0f));
    const PlayerResult run = runPlayer(dir.path().string());
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const std::string log = dir.read("log.txt");
    // Frame k shows the demo at (k + 1) / 10 s.
    Frame early(framePath(dir, 4)), late(framePath(dir, 14));
    ASSERT_TRUE(early.loaded() && late.loaded()) << log;
    EXPECT_PRED3(within, early.at(0.5f, 0.5f), (Rgb{0, 64, 255}), 8);
    EXPECT_PRED3(within, late.at(0.5f, 0.5f), (Rgb{255, 191, 255}), 8);
    EXPECT_TRUE(has(log, "sync: track [red], 2 keys from data/sync/demo_red.track.txt")) << log;
    EXPECT_TRUE(has(log, "sync: track [blue], 1 keys from data/sync/demo_blue.track\r\n")) << log;
    EXPECT_TRUE(has(log, "ERROR sync: data/sync/demo_alpha.track.txt: line 2: interpolation "
                         "'bounce' is not step, linear, smooth or ramp; track [alpha] left as it "
                         "was"))
        << log;
}

TEST(SyncTracksPlayer, TracksTextWritesTheTextOfEveryBinaryFileOfTheBase) {
    TempDir dir;
    dir.write("data/sync/demo_bg-3Ared.track",
              trackFile({{0, 0.25f, 1}, {16, 1.0f, 2}, {-3, 0.1f, 3}}));
    dir.write("data/sync/demo_cam/fov.track", trackFile({{8, 60.0f, 0}}));
    dir.write("data/sync/other_red.track", trackFile({{0, 1.0f, 0}}));
    const PlayerResult run = runPlayer(dir.path().string(), "--tracks-text sync/demo");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(dir.read("data/sync/demo_bg-3Ared.track.txt"),
              "# sync/demo_bg-3Ared.track\n# row value interpolation\n-3 0.100000001 ramp\n"
              "0 0.25 linear\n16 1 smooth\n");
    EXPECT_EQ(dir.read("data/sync/demo_cam/fov.track.txt"),
              "# sync/demo_cam/fov.track\n# row value interpolation\n8 60 step\n");
    EXPECT_FALSE(dir.exists("data/sync/other_red.track.txt")) << "another base's file";
    EXPECT_TRUE(has(run.output, "tracks: data/sync/demo_bg-3Ared.track.txt, 3 keys\n"))
        << run.output;

    // A broken file is named, the others are still written, and the status says so.
    dir.write("data/sync/demo_broken.track", le32(5));
    const PlayerResult broken = runPlayer(dir.path().string(), "--tracks-text sync/demo");
    EXPECT_EQ(broken.exitCode, 5) << broken.output;
    EXPECT_TRUE(has(broken.output, "tracks: data/sync/demo_broken.track: 5 keys take 49 bytes, "
                                   "the file has 4; no text written"))
        << broken.output;
    EXPECT_TRUE(has(broken.output, "tracks: data/sync/demo_cam/fov.track.txt, 1 keys"))
        << broken.output;

    const PlayerResult none = runPlayer(dir.path().string(), "--tracks-text sync/nothing");
    EXPECT_EQ(none.exitCode, 5) << none.output;
    EXPECT_TRUE(has(none.output, "tracks: no track files data/sync/nothing_*.track"))
        << none.output;
    const PlayerResult outside = runPlayer(dir.path().string(), "--tracks-text ../demo");
    EXPECT_EQ(outside.exitCode, 5) << outside.output;
    EXPECT_TRUE(has(outside.output, "would lead out of data/")) << outside.output;
    const PlayerResult mixed = runPlayer(dir.path().string(), "--tracks-text sync/demo --check");
    EXPECT_EQ(mixed.exitCode, 2) << mixed.output;
}

TEST(SyncTracksPlayer, ADriveOfAParameterTheEffectLacksIsRefusedWithAHint) {
    if (!haveDisplay()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TempDir dir;
    dir.write("data/demo_one.track.txt", "0 1 step\n");
    dir.write("data/script.txt", stockScript(R"(
<sync bpm="60" rowsperbeat="1" base="demo"/>
<add type="clear" name="bg"/><bg color="0,0,1,1"/>
<drive effect="bg" param="colour" tracks="one, one, one, one"/>
<add type="fade" name="flash"/>
<drive effect="flash" param="alpha" tracks="one"/>
<add type="capture" name="rec"/><rec folder="frames"/>
<draworder effect="bg" effect="rec"/>)",
                                             10, 0.3f));
    const PlayerResult run = runPlayer(dir.path().string());
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const std::string log = dir.read("log.txt");
    EXPECT_TRUE(has(log, "drive: effect [bg] (clear) has no parameter [colour]; did you mean "
                         "'color'? (it takes "))
        << log;
    EXPECT_TRUE(has(log, "drive: effect [flash] (fade) has no parameter [alpha] (it takes enabled, "
                         "viewport, color, "))
        << log;
    // Refused: the colour the script gave stays.
    Frame frame(framePath(dir, 1));
    ASSERT_TRUE(frame.loaded()) << log;
    EXPECT_PRED2(near, frame.at(0.5f, 0.5f), (Rgb{0, 0, 255}));
}
