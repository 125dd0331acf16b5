// Bad script text read by the real player: names over their fields, includes that recurse,
// elements nested far too deep, quotes left open, bytes that are no text at all. Either
// the document is refused with the reader's message in log.txt and the player ends with 1,
// or the bad part is passed over and the rest of the demo runs.
#include "BadInputPlayer.h"

#include <string>

namespace {

class BadInputScript : public testing::Test {
protected:
    void SetUp() override {
        if (!haveDisplay()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    }
    TempDir dir;
};

bool logEndsWith(const BadInputRun& run, const std::string& line) {
    return run.log.size() >= line.size() &&
           run.log.compare(run.log.size() - line.size(), line.size(), line) == 0;
}

// A refused document opens no window, runs nothing, and ends the player with 1.
void expectRefused(const BadInputRun& run, const std::string& lastLogLine) {
    EXPECT_EQ(run.player.exitCode, 1) << run.player.output;
    EXPECT_TRUE(logEndsWith(run, lastLogLine + "\r\n")) << run.log;
    EXPECT_FALSE(contains(run.player.output, "OpenGL|")) << run.player.output;
    EXPECT_EQ(run.calls, "");
}

} // namespace

TEST_F(BadInputScript, NamesOverTheirFieldsAreRefusedOrCutAndTheDemoGoesOn) {
    const std::string longName(70, 'n');
    const std::string body = "  <add type=\"recorder\" name=\"sixteencharsxxxx\"/>\n"
                             "  <add type=\"recorderrecorderr\" name=\"short\"/>\n"
                             "  <loadplugin file=\"" +
                             std::string(61, 'p') +
                             ".so\"/>\n"
                             "  <texture mode=\"load\" filename=\"" +
                             std::string(600, 't') +
                             ".tga\"/>\n"
                             "  <camera mode=\"create\" name=\"" +
                             std::string(300, 'c') +
                             "\" fov=\"60\"/>\n"
                             "  <" +
                             longName + " " + longName + "=\"" + std::string(3000, 'v') + "\"/>\n";
    dir.write("data/script.txt", demoAround(body, " name=\"" + std::string(64, 'd') + "\""));
    const BadInputRun run = runBadInput(dir);
    expectWentOn(run);
    EXPECT_TRUE(contains(run.log, "Demo name longer than 63 characters: [" + std::string(64, 'd') +
                                      "] ignored\r\n"))
        << run.log;
    EXPECT_TRUE(contains(run.log, "Effect [sixteencharsxxxx] of type [recorder] refused: names "
                                  "have at most 15 characters\r\n"))
        << run.log;
    EXPECT_TRUE(contains(run.log, "Effect [short] of type [recorderrecorderr] refused")) << run.log;
    EXPECT_TRUE(contains(run.log, "Plugin file name longer than 63 characters: [" +
                                      std::string(61, 'p') + ".so] refused\r\n"))
        << run.log;
    EXPECT_TRUE(contains(run.player.output, "Error: path too long for " + std::string(600, 't')))
        << run.player.output;
    EXPECT_FALSE(contains(run.calls, "sixteen")) << run.calls;
    EXPECT_FALSE(contains(run.calls, "short")) << run.calls;
}

TEST_F(BadInputScript, ARecursiveIncludeIsRefusedWhileOneIncludedTwiceSideBySideWorks) {
    dir.write("data/twice.txt", "<loadplugin file=\"recorderfx.so\"/>\n");
    dir.write("data/script.txt", demoAround("  <include file=\"twice.txt\"/>\n"
                                            "  <include file=\"twice.txt\"/>\n"));
    const BadInputRun twice = runBadInput(dir);
    expectWentOn(twice);
    EXPECT_TRUE(contains(twice.calls, "after params plugins=3 ")) << twice.calls;

    TempDir cycle;
    cycle.write("data/self.txt", "<event time=\"1\"/>\n<include file=\"other.txt\"/>\n");
    cycle.write("data/other.txt", "<include file=\"self.txt\"/>\n");
    cycle.write("data/script.txt", demoAround("  <include file=\"self.txt\"/>\n"));
    const BadInputRun run = runBadInput(cycle);
    expectRefused(run, "ERROR: tag [demo] couldn't be read");
    EXPECT_TRUE(contains(run.player.output, "XML Error nesting deeper than 64 levels"))
        << run.player.output.substr(0, 2000);
}

TEST_F(BadInputScript, ElementsNestedAHundredThousandDeepAreRefusedQuickly) {
    std::string deep;
    for (int i = 0; i < 100000; ++i) deep += "<a>";
    for (int i = 0; i < 100000; ++i) deep += "</a>";
    dir.write("data/script.txt", demoAround(deep));
    const BadInputRun run = runBadInput(dir);
    expectRefused(run, "ERROR: tag [demo] couldn't be read");
    EXPECT_TRUE(contains(run.player.output, "XML Error nesting deeper than 64 levels [<a><a><a>"))
        << run.player.output.substr(0, 2000);
}

TEST_F(BadInputScript, AnAttributeValueWithNoClosingQuoteRefusesItsElement) {
    dir.write("data/open.txt", demoAround("  <camera mode=\"create\" name=\"cam/>\n"));
    dir.write("data/end.txt", "<demo name=\"badinput\" width=\"64");
    const BadInputRun open = runBadInput(dir, "open.txt");
    // The demo element above the camera leaves its own message last.
    expectRefused(open, "ERROR: tag [demo] couldn't be read");
    EXPECT_TRUE(contains(open.player.output, "**** MISSING QUOTE ****\n")) << open.player.output;

    const BadInputRun end = runBadInput(dir, "end.txt");
    // The reader's own messages end in a line break of their own.
    expectRefused(end, "XML Error expected > [<demo name]\n");
}

TEST_F(BadInputScript, BytesThatAreNoTextAtAllRunNoDemo) {
    std::string noise;
    uint32_t state = 12345;
    for (int i = 0; i < 4096; ++i) {
        state = state * 1103515245u + 12345u;
        noise += char(state >> 24);
    }
    dir.write("data/noise.txt", noise);
    dir.write("data/zeros.txt", std::string(64, '\0'));
    for (const char* script : {"noise.txt", "zeros.txt"}) {
        const BadInputRun run = runBadInput(dir, script);
        const bool read = contains(run.log, "done.\r\n");
        EXPECT_EQ(run.player.exitCode, read ? 0 : 1) << script << run.player.output;
        EXPECT_TRUE(contains(run.log, std::string("Parsing Script [") + script + "]\r\n"))
            << run.log;
        EXPECT_FALSE(contains(run.player.output, "OpenGL|")) << run.player.output;
    }
}
