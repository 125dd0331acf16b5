// The command line: options in any order, one script name, numbers read strictly with a
// message that says what is wanted, and options refused where their mode would ignore them.
#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

// Parses "vornex" followed by `arguments`.
bool parse(std::initializer_list<const char*> arguments, CommandLine& line) {
    std::vector<std::string> words = {"vornex"};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(&word[0]);
    return parseCommandLine(static_cast<int>(argv.size()), argv.data(), line);
}

// The message for a refused command line; "" when it was taken.
std::string refusal(std::initializer_list<const char*> arguments) {
    CommandLine line;
    return parse(arguments, line) ? "" : line.error;
}

// Most options belong to --render, which a build without a video encoder refuses.
bool renderInThisBuild() {
    return refusal({"--render", "a.mp4"}).empty();
}

TEST(CommandLine, OptionsComeInAnyOrderAroundOneScriptName) {
    if (!renderInThisBuild()) GTEST_SKIP() << "this build has no video encoder";
    CommandLine line;
    ASSERT_TRUE(parse({"--render", "out.mp4", "intro.txt", "--fps", "60", "--size", "1920x1080",
                       "--start", "12.5", "--duration", "2e1", "other.txt"},
                      line))
        << line.error;
    EXPECT_EQ(line.script, "intro.txt"); // a second name is ignored
    EXPECT_EQ(line.renderPath, "out.mp4");
    EXPECT_EQ(line.fps, 60);
    EXPECT_EQ(line.width, 1920);
    EXPECT_EQ(line.height, 1080);
    EXPECT_DOUBLE_EQ(line.startTime, 12.5);
    EXPECT_DOUBLE_EQ(line.duration, 20.0);

    CommandLine plain;
    ASSERT_TRUE(parse({}, plain));
    EXPECT_EQ(plain.script, "script.txt");
    EXPECT_FALSE(plain.check || plain.edit || plain.help);
}

TEST(CommandLine, HelpHasTheSpellingsOfBothSystems) {
    for (const char* spelling : {"--help", "-h", "/?"}) {
        CommandLine line;
        EXPECT_TRUE(parse({spelling}, line)) << spelling;
        EXPECT_TRUE(line.help) << spelling;
    }
    // Help wins over what would otherwise be refused.
    CommandLine line;
    EXPECT_TRUE(parse({"--check", "--fps", "25", "-h"}, line));
    EXPECT_TRUE(line.help);
}

TEST(CommandLine, NumbersAreReadWholeOrRefusedWithWhatIsWanted) {
    if (!renderInThisBuild()) GTEST_SKIP() << "this build has no video encoder";
    const std::string size = "WIDTHxHEIGHT, even numbers from 2 to 8192";
    // Past the range of an int, read as 2x2 by sscanf.
    EXPECT_EQ(refusal({"--render", "a.mp4", "--size", "4294967298x2"}),
              "--size 4294967298x2: " + size);
    for (const char* bad : {"161x120", "-160x120", "160x120x", "160 x120", "+160x120", "x120",
                            "160X", "0x0", "8194x2"})
        EXPECT_EQ(refusal({"--render", "a.mp4", "--size", bad}),
                  "--size " + std::string(bad) + ": " + size);
    const std::string duration = ": seconds above 0, at most 86400 (a day)";
    // Hexadecimal, which strtod reads as 16, and lengths no render can have.
    for (const char* bad :
         {"0x10", "1e18", "1e12", "inf", "nan", "-5", "0", " 5", "5s", "1,5", "."})
        EXPECT_EQ(refusal({"--render", "a.mp4", "--duration", bad}),
                  "--duration " + std::string(bad) + duration);
    for (const char* bad : {"0", "241", "30.0", "+30", " 30", "3e1", "99999999999999999999"})
        EXPECT_EQ(refusal({"--render", "a.mp4", "--fps", bad}),
                  "--fps " + std::string(bad) + ": a whole number from 1 to 240");
    for (const char* bad : {"soon", "-1", "1e7", "0x10", "12,5", ""})
        EXPECT_EQ(refusal({"--start", bad}), "--start takes a time in seconds from 0 to 1000000, "
                                             "not '" +
                                                 std::string(bad) + "'");

    CommandLine line;
    ASSERT_TRUE(parse({"--render", "a.mp4", "--duration", ".5", "--start", "0.25"}, line));
    EXPECT_DOUBLE_EQ(line.duration, 0.5);
    EXPECT_DOUBLE_EQ(line.startTime, 0.25);
}

TEST(CommandLine, AnEmptyOrMissingValueAndUnknownOptionsAreNamed) {
    if (!renderInThisBuild()) GTEST_SKIP() << "this build has no video encoder";
    EXPECT_EQ(refusal({"--render", ""}),
              "--render needs the name of the video file to write, such as demo.mp4");
    EXPECT_EQ(refusal({"intro.txt", "--fps"}), "--fps needs a value");
    EXPECT_EQ(refusal({"--frames", "3"}), "unknown option --frames");
    EXPECT_EQ(refusal({"-x"}), "unknown option -x");
}

TEST(CommandLine, OptionsThatDoNothingInTheirModeAreRefused) {
    if (!renderInThisBuild()) GTEST_SKIP() << "this build has no video encoder";
    EXPECT_EQ(refusal({"--edit", "--render", "a.mp4"}), "--render does not go with --edit");
    EXPECT_EQ(refusal({"--edit", "--fps", "25"}), "--fps does not go with --edit");
    EXPECT_EQ(refusal({"--size", "64x64", "--edit"}), "--size does not go with --edit");
    EXPECT_EQ(refusal({"--check", "--render", "a.mp4"}), "--render does not go with --check");
    EXPECT_EQ(refusal({"--check", "--duration", "3"}), "--duration does not go with --check");
    EXPECT_EQ(refusal({"--check", "--start", "3"}), "--start does not go with --check");
    EXPECT_EQ(refusal({"--check", "--edit"}), "--edit does not go with --check");
    EXPECT_EQ(refusal({"--check", "--sync"}), "--sync does not go with --check");
    EXPECT_EQ(refusal({"--render", "a.mp4", "--sync"}), "--sync does not go with --render");
    // The default is no exception: it does nothing without --render either.
    EXPECT_EQ(refusal({"--fps", "30"}), "--fps, --size and --duration go with --render");

    EXPECT_EQ(refusal({"--tracks-text", "sync/intro", "--start", "4"}),
              "--start does not go with --tracks-text");
    EXPECT_EQ(refusal({"--edit", "--tracks-text", "sync/intro"}),
              "--tracks-text does not go with --edit");
    EXPECT_EQ(refusal({"--tracks-text", ""}),
              "--tracks-text needs the base name of the track files, as in <sync base=...>");
    EXPECT_EQ(refusal({"--tracks-text", "sync/intro"}), "");

    EXPECT_EQ(refusal({"--edit", "--start", "4", "--sync"}), "");
    EXPECT_EQ(refusal({"--render", "a.mp4", "--start", "4", "--duration", "2"}), "");
    EXPECT_EQ(refusal({"--check", "intro.txt"}), "");
}

TEST(CommandLine, TheUsageTextNamesEveryExitStatus) {
    const std::string usage = usageText();
    for (const char* status :
         {"0 done", "1 script unusable", "2 bad command line", "3 --check found warnings only",
          "4 the video could not be", "5 --tracks-text"})
        EXPECT_NE(usage.find(status), std::string::npos) << status;
}

} // namespace
