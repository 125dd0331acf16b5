// The real player under a display: plugins loaded from a data tree made by the test,
// pixels read back from the frame, keys pressed through the window system.
#include "PlayerRun.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

TEST(DemoPlayer, EffectsFillTheirViewportsWithTheirColours) {
    if (!haveDisplay()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TempDir dir;
    dir.write("data/script.txt", R"(<demo name="colours" width="200" height="100">
  <loadplugin file="fillfx.dll"/>
  <add type="fill" name="left"/><add type="fill" name="right"/><add type="probe" name="probe"/>
  <left color="1,0,0" viewport="0,0,0.5,1"/>
  <right color="0,0,1" viewport="0.5,0,0.5,1"/>
  <probe points="0.25,0.5;0.75,0.5;0.75,0.1"/>
  <draworder effect="left" effect="right" effect="probe"/>
  <event time="0.3"><exit/></event>
  <load/>
  <run/>
</demo>
)");
    const PlayerResult run = runPlayer(dir.path().string());
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(dir.read("pixels.txt"), "0.25 0.50 255 0 0\n"
                                      "0.75 0.50 0 0 255\n"
                                      "0.75 0.10 0 0 255\n")
        << run.output << dir.read("log.txt");
    const std::string log = dir.read("log.txt");
    EXPECT_NE(log.find("loadlibrary: fillfx.dll"), std::string::npos) << log;
    EXPECT_NE(log.find("Loading effect  2:[probe][probe]"), std::string::npos) << log;
}

TEST(DemoPlayer, AKeyPressFiresItsEventAndLandsInTheKeyLog) {
    if (!haveDisplay()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TempDir dir;
    dir.write("data/script.txt", R"(<demo name="vornexkeys" width="160" height="120">
  <loadplugin file="recorderfx.so"/>
  <add type="recorder" name="rec"/>
  <keybank set="4"/>
  <event key="k"><rec pressed="k"/><exit/></event>
  <event key="k" bank="5"><rec pressed="wrongbank"/></event>
  <load/>
  <run/>
</demo>
)");
    // Types k into the window until the player has ended (the key's event ends it): the
    // window may take long to appear on a busy machine, and windows of tests running
    // beside this one may take the focus in between. There is no window manager.
    std::atomic<bool> ended{false};
    std::thread presser([&ended] {
        while (!ended) {
            std::system("id=$(xdotool search --name '^vornexkeys$' | head -n 1) && [ -n \"$id\" ] "
                        "&& xdotool windowfocus --sync $id key k >/dev/null 2>&1");
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
        }
    });
    const PlayerResult run = runPlayer(dir.path().string());
    ended = true;
    presser.join();
    EXPECT_EQ(run.exitCode, 0) << run.output;
    const std::string calls = dir.read("calls.txt");
    EXPECT_NE(calls.find("rec configure rec"), std::string::npos) << calls;
    EXPECT_EQ(calls.find("wrongbank"), std::string::npos) << calls;
    const std::string keylog = dir.read("keylog.txt");
    EXPECT_NE(keylog.find("\" bank=\"4\" trigger=\"k\"/>\r\n"), std::string::npos) << keylog;
    EXPECT_EQ(keylog.substr(0, 13), "\t<event time=") << keylog;
}

TEST(DemoPlayer, ChildrenAfterRunFollowTheClosedWindowAndTwoDemosRunInOrder) {
    if (!haveDisplay()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TempDir dir;
    dir.write("data/script.txt", R"(<Demo name="first" showfps="1">
  <loadplugin file="recorderfx.so"/><add type="recorder" name="one"/>
  <draworder effect="one"/>
  <event time="0"><exit/></event>
  <load/><run/><exit/>
</Demo>
<other/>
<DEMO name="second">
  <loadplugin file="recorderfx.so"/><add type="recorder" name="two"/>
  <event time="0.1"><exit/></event>
  <load/><run/>
</DEMO>
)");
    const PlayerResult run = runPlayer(dir.path().string());
    EXPECT_EQ(run.exitCode, 0) << run.output;
    const std::string calls = dir.read("calls.txt");
    // The first demo is torn down before the second one adds its effect.
    const size_t firstGone = calls.find("one destroy\nrecorderfx unloaded\n");
    const size_t secondMade = calls.find("getFX recorder\ntwo params");
    EXPECT_NE(firstGone, std::string::npos) << calls;
    EXPECT_NE(secondMade, std::string::npos) << calls;
    EXPECT_LT(firstGone, secondMade) << calls;
    // showfps set by the first demo stays on for the second.
    EXPECT_NE(run.output.find("fps "), std::string::npos);
}

TEST(DemoPlayer, AStartTimeWithARunNestedInAnEventPlaysOnAndEnds) {
    if (!haveDisplay()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TempDir dir;
    // The event with the nested run lies before the start: the jump there fires it once,
    // and its run plays on to the exit. Its trigger writes a key log line each time it fires.
    dir.write("data/script.txt", R"(<demo name="nested" width="64" height="48" lockfps="50">
  <loadplugin file="stockfx.so"/>
  <add type="clear" name="bg"/>
  <draworder effect="bg"/>
  <event time="0.5" trigger="A"><run/></event>
  <event time="1.2"><exit/></event>
  <load/>
  <run/>
</demo>
)");
    const PlayerResult run = runPlayer(dir.path().string(), "--start 1");
    EXPECT_EQ(run.exitCode, 0) << run.output << dir.read("log.txt");
    const std::string log = dir.read("log.txt");
    EXPECT_EQ(log.find("Walk nested deeper"), std::string::npos) << log;
    const std::string keylog = dir.read("keylog.txt");
    EXPECT_EQ(std::count(keylog.begin(), keylog.end(), '\n'), 1) << keylog;
}

TEST(DemoPlayer, WithoutASoundOutputTheLogSaysTheSoundIsOffAndTheDemoPlaysOn) {
    if (!haveDisplay()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TempDir dir;
    dir.write("data/script.txt", R"(<demo name="quiet" width="64" height="64">
  <loadplugin file="fillfx.dll"/>
  <add type="fill" name="bg"/>
  <bg color="0,1,0"/>
  <draworder effect="bg"/>
  <event time="0.3"><exit/></event>
  <load/>
  <run/>
</demo>
)");
    // No sound driver, for SDL on Linux and for Wine's sound drivers alike.
    setenv("SDL_AUDIODRIVER", "vornex-no-such-driver", 1);
    setenv("WINEDLLOVERRIDES", "winealsa.drv,winepulse.drv,wineoss.drv,winecoreaudio.drv=d", 1);
    const PlayerResult run = runPlayer(dir.path().string());
    unsetenv("SDL_AUDIODRIVER");
    unsetenv("WINEDLLOVERRIDES");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    const std::string log = dir.read("log.txt");
    const size_t line = log.find("Sound is off: ");
    ASSERT_NE(line, std::string::npos) << log;
    EXPECT_NE(log.find("; the music plays silently\r\n", line), std::string::npos) << log;
    EXPECT_NE(log.find("Loading effect", line), std::string::npos) << log;
}
