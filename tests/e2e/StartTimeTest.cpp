// Starting at a time (--start): the events up to it have fired and the music plays from
// there; a time that is no number is refused.
#include "AudioTestFiles.h"
#include "StockEffectsFixture.h"

#include <cstdio>
#include <string>

TEST(StartTime, EventsUpToItHaveFiredAndTheMusicStartsThere) {
    if (!haveDisplay()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TempDir dir;
    ASSERT_TRUE(writeSound(dir.file("data/music/tone.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 22050,
                           1, sine(22050, 1, 20.0, 440.0)));
    dir.write("data/script.txt", stockScript(R"(
<add type="clear" name="bg"/><bg color="0,0,0,1"/>
<add type="musicplay" name="song"/><song file="tone.wav"/>
<add type="capture" name="rec"/><rec folder="frames" limit="1"/>
<draworder effect="bg" effect="song" effect="rec"/>
<event time="5"><bg color="1,0,0,1"/></event>
<event time="11.5"><bg color="0,1,0,1"/></event>
<event time="12.5"><bg color="0,0,1,1"/></event>)",
                                             25, 12.4f));
    const PlayerResult run = runPlayer(dir.path().string(), "--start 12");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const std::string log = dir.read("log.txt");
    Frame first(framePath(dir, 0));
    ASSERT_TRUE(first.loaded()) << log;
    // The event at 11.5 s has fired (after the one at 5 s), the one at 12.5 s not yet.
    EXPECT_PRED2(near, first.at(0.5f, 0.5f), kGreen);
    double position = 0.0, demoTime = 0.0;
    const size_t stop = log.find(" stopped at ");
    ASSERT_NE(stop, std::string::npos) << log;
    ASSERT_EQ(
        std::sscanf(log.c_str() + stop, " stopped at %lf s, demo time %lf s", &position, &demoTime),
        2);
    EXPECT_NEAR(demoTime, 12.4, 0.05);
    EXPECT_NEAR(position, demoTime, 0.15) << "the music plays from 12 s, not from 0";

    const PlayerResult refused = runPlayer(dir.path().string(), "--start soon");
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_NE(refused.output.find("--start takes a time in seconds"), std::string::npos);
}
