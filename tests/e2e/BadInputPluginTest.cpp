// Bad input around plugins and the demo's fixed tables: each is refused with the line the
// user reads in log.txt, and the rest of the demo still runs.
#include "BadInputPlayer.h"

#include <string>

namespace {

std::string repeated(int count, const std::string& (*make)(int, std::string&)) {
    std::string text, scratch;
    for (int i = 0; i < count; ++i) text += make(i, scratch);
    return text;
}

const std::string& addLine(int i, std::string& scratch) {
    scratch = "  <add type=\"recorder\" name=\"e" + std::to_string(i) + "\"/>\n";
    return scratch;
}

const std::string& pluginLine(int, std::string& scratch) {
    scratch = "  <loadplugin file=\"recorderfx.so\"/>\n";
    return scratch;
}

const std::string& eventLine(int i, std::string& scratch) {
    scratch = "  <event time=\"" + std::to_string(100 + i) + "\"/>\n";
    return scratch;
}

class BadInputPlugin : public testing::Test {
protected:
    void SetUp() override {
        if (!haveDisplay()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    }
    BadInputRun play(const std::string& body) {
        dir.write("data/script.txt", demoAround(body));
        return runBadInput(dir);
    }
    TempDir dir;
};

} // namespace

TEST_F(BadInputPlugin, LibrariesThatAreMissingOrLackAnEntryPointAreNotKept) {
    const BadInputRun run = play("  <loadplugin file=\"nothere.dll\"/>\n"
                                 "  <loadplugin file=\"hasonlyfx.so\"/>\n"
                                 "  <loadplugin file=\"getonlyfx.so\"/>\n");
    expectWentOn(run);
    EXPECT_TRUE(contains(run.log, "ERROR loadlibrary: nothere.dll not found\r\n")) << run.log;
    EXPECT_TRUE(contains(run.log, "ERROR loadlibrary: hasonlyfx.so not found\r\n")) << run.log;
    EXPECT_TRUE(contains(run.log, "ERROR loadlibrary: getonlyfx.so not found\r\n")) << run.log;
    // Only recorderfx was kept: the effect made after them still counts one plugin.
    EXPECT_TRUE(contains(run.calls, "after params plugins=1 ")) << run.calls;
}

TEST_F(BadInputPlugin, AnUnknownEffectTypeIsReportedByName) {
    const BadInputRun run = play("  <add type=\"nosuchtype\" name=\"ghost\"/>\n"
                                 "  <ghost marker=\"configured\"/>\n");
    expectWentOn(run);
    EXPECT_TRUE(contains(run.log, "could not find effect: ghost\r\n")) << run.log;
    EXPECT_FALSE(contains(run.calls, "ghost")) << run.calls;
}

TEST_F(BadInputPlugin, TheFortyNinthEffectIsRefused) {
    // e0..e47 fill the table; the demo's own "after" is the 49th.
    const BadInputRun run = play(repeated(48, addLine));
    EXPECT_EQ(run.player.exitCode, 0) << run.player.output;
    EXPECT_TRUE(contains(run.log, "Effect [after] refused: at most 48 effects\r\n")) << run.log;
    EXPECT_TRUE(contains(run.calls, "e47 load\n")) << run.calls;
    EXPECT_FALSE(contains(run.calls, "after ")) << run.calls;
    // The event still ended the run; its element named no effect any more.
    EXPECT_TRUE(contains(run.calls, "e47 destroy\n")) << run.calls;
}

TEST_F(BadInputPlugin, TheSeventeenthPluginIsRefused) {
    // One in the demo's head plus 15 make 16; the 16th line here is the 17th plugin.
    const BadInputRun run = play(repeated(16, pluginLine));
    expectWentOn(run);
    EXPECT_TRUE(contains(run.log, "Plugin [recorderfx.so] refused: at most 16 plugins\r\n"))
        << run.log;
    EXPECT_TRUE(contains(run.calls, "after params plugins=16 ")) << run.calls;
}

TEST_F(BadInputPlugin, TheEventAfterTheFourThousandAndNinetySixthIsIgnored) {
    // The exit event first, 4095 more fill the table; the demo's own event is the 4097th.
    const BadInputRun run = play("  <event time=\"0\"><after marker=\"1\"/><exit/></event>\n" +
                                 repeated(4095, eventLine));
    expectWentOn(run);
    EXPECT_TRUE(contains(run.log, "Event table full (4096 events): event ignored\r\n")) << run.log;
    EXPECT_TRUE(contains(run.log, "event4095 - ")) << run.log;
    EXPECT_FALSE(contains(run.log, "event4096 - ")) << run.log;
}
