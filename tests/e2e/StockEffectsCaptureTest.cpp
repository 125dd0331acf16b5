// What capture writes: numbered PNG files of the frames it sees, from `start` to `end`,
// every n-th, up to `limit`, of its viewport, into a folder it makes.
#include "StockEffectsFixture.h"

TEST(StockEffectsCapture, WritesEveryNthFrameBetweenStartAndEndIntoANewFolder) {
    if (!haveDisplay()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TempDir dir;
    dir.write("data/script.txt", stockScript(R"(
<add type="clear" name="bg"/><bg color="0,0,0,1"/>
<add type="clear" name="corner"/><corner color="1,0,0,1" viewport="0.75,0.75,0.25,0.25"/>
<add type="fade" name="ramp"/><ramp color="1,1,1,1" start="0" end="1" from="0" to="1" viewport="0,0,0.5,1"/>
<add type="capture" name="rec"/><rec folder="out/run" start="0.25" end="0.85" every="2"/>
<add type="capture" name="part"/><part folder="quarter" limit="1" viewport="0.5,0.5,0.5,0.5"/>
<draworder effect="bg" effect="corner" effect="ramp" effect="rec" effect="part"/>)",
                                             10, 1.5f));
    const PlayerResult run = runPlayer(dir.path().string());
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const std::string log = dir.read("log.txt");
    EXPECT_NE(log.find("rec: writing frames to out/run/ (160x120)"), std::string::npos) << log;
    // Frames at 0.3 to 0.8 s are seen; every second one is kept: 0.3, 0.5, 0.7 s.
    const int expected[] = {77, 128, 179};
    for (int i = 0; i < 3; ++i) {
        Frame frame(framePath(dir, i, "out/run"));
        ASSERT_TRUE(frame.loaded()) << i << log;
        EXPECT_PRED3(within, frame.at(0.25f, 0.5f), (Rgb{expected[i], expected[i], expected[i]}), 3)
            << "file " << i;
        EXPECT_PRED2(near, frame.at(0.9f, 0.9f), (Rgb{255, 0, 0}));
    }
    EXPECT_FALSE(dir.exists("out/run/frame_00003.png"));
    // The second capture keeps only its viewport, the top-right quarter, once.
    Frame quarter(framePath(dir, 0, "quarter"));
    ASSERT_TRUE(quarter.loaded()) << log;
    EXPECT_EQ(quarter.width(), 80);
    EXPECT_EQ(quarter.height(), 60);
    EXPECT_PRED2(near, quarter.at(0.8f, 0.8f), (Rgb{255, 0, 0}));
    EXPECT_PRED2(near, quarter.at(0.2f, 0.2f), (Rgb{0, 0, 0}));
    EXPECT_FALSE(dir.exists("quarter/frame_00001.png"));
}

TEST(StockEffectsCapture, AFolderThatCannotBeMadeIsLoggedAndTheDemoGoesOn) {
    if (!haveDisplay()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TempDir dir;
    dir.write("blocked", "a file where the folder should be");
    dir.write("data/script.txt", stockScript(R"(
<add type="capture" name="rec"/><rec folder="blocked/frames"/>
<draworder effect="rec"/>)",
                                             10, 0.5f));
    const PlayerResult run = runPlayer(dir.path().string());
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const std::string log = dir.read("log.txt");
    EXPECT_NE(log.find("rec: folder blocked/frames could not be made; capture stopped"),
              std::string::npos)
        << log;
}
