// Parts: a stretch of the demo moved by one number. Event times inside a part count from its
// start, through includes and nested parts; other times stay as written.
#include "StockEffectsFixture.h"

TEST(PartPlayer, EventTimesCountFromThePartStartAtAnyIncludeDepth) {
    if (!haveDisplay()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TempDir dir;
    dir.write("data/later.txt", R"(<event time="0.5"><bg color="0,1,0,1"/></event>
<part start="0.25"><event time="0"><bg color="0,0,1,1"/></event></part>
)");
    // The fade's start and end are demo times and do not follow the part.
    dir.write("data/script.txt", stockScript(R"(
<add type="clear" name="bg"/><bg color="0,0,0,1"/>
<add type="fade" name="wash"/>
<wash color="1,0,0,1" start="0.3" end="0.3" from="0" to="1" viewport="0,0,0.5,1"/>
<add type="capture" name="rec"/><rec folder="frames"/>
<draworder effect="bg" effect="wash" effect="rec"/>
<part start="1"><include file="later.txt"/></part>)",
                                             10, 2.0f));
    const PlayerResult run = runPlayer(dir.path().string());
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const std::string log = dir.read("log.txt");
    // Frame k shows the events up to k / 10 s.
    const auto right = [&](int frame) { return Frame(framePath(dir, frame)).at(0.75f, 0.5f); };
    const auto left = [&](int frame) { return Frame(framePath(dir, frame)).at(0.25f, 0.5f); };
    ASSERT_TRUE(Frame(framePath(dir, 18)).loaded()) << log;
    EXPECT_PRED2(near, right(11), (Rgb{0, 0, 0})) << "nothing fired before 1.25 s";
    EXPECT_PRED2(near, right(14), (Rgb{0, 0, 255})) << "the nested part's event, at 1.25 s";
    EXPECT_PRED2(near, right(18), (Rgb{0, 255, 0})) << "the included event, at 1.5 s";
    EXPECT_PRED2(near, left(5), (Rgb{255, 0, 0})) << "the fade keeps its own times";
    // The sorted timeline in the log shows the times from the demo's start.
    EXPECT_NE(log.find("event0 - 1.250"), std::string::npos) << log;
    EXPECT_NE(log.find("event1 - 1.500"), std::string::npos) << log;
}
