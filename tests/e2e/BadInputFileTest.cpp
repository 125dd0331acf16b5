// Output files the player cannot write: log.txt and keylog.txt stand as folders, which no
// user, root included, can open as files. The user is told once on standard error and the
// demo runs as it would otherwise.
#include "BadInputPlayer.h"

#include <filesystem>
#include <string>

namespace {

size_t occurrences(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

} // namespace

TEST(BadInputFile, AnUnwritableLogIsReportedOnceAndTheDemoRuns) {
    if (!haveDisplay()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TempDir dir;
    std::filesystem::create_directories(dir.file("log.txt"));
    dir.write("data/script.txt", demoAround("  <add type=\"nosuchtype\" name=\"ghost\"/>\n"));
    const BadInputRun run = runBadInput(dir);
    expectWentOn(run);
    EXPECT_EQ(occurrences(run.player.output, "Warning: cannot write log file log.txt\n"), 1u)
        << run.player.output;
}

TEST(BadInputFile, AnUnwritableKeyLogIsReportedOnceAndKeysStillFire) {
    if (!haveDisplay()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TempDir dir;
    std::filesystem::create_directories(dir.file("keylog.txt"));
    // Two simulated presses of k, each firing the key event bound to that character.
    dir.write("data/script.txt", demoAround("  <event key=\"k\"><after marker=\"key\"/></event>\n"
                                            "  <event time=\"0\" trigger=\"k\"/>\n"
                                            "  <event time=\"0\" trigger=\"k\"/>\n"));
    const BadInputRun run = runBadInput(dir);
    expectWentOn(run);
    EXPECT_EQ(occurrences(run.calls, "after configure after\n"), 3u) << run.calls;
    EXPECT_EQ(occurrences(run.player.output, "Warning: cannot write key log file keylog.txt\n"), 1u)
        << run.player.output;
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("keylog.txt")));
}
