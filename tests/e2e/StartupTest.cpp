#include "PlayerRun.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

TEST(Startup, PrintsTheBannerAndExitsWithZero) {
    TempDir dir;
    dir.write("data/script.txt", "<notademo/>\n");
    const PlayerResult run = runPlayer(dir.path().string());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(std::regex_search(
        run.output,
        std::regex(R"(^Vornex \(Build: \d\d:\d\d:\d\d [A-Z][a-z]{2} [ \d]\d \d{4}\)\n.+\n\n)")))
        << run.output;
}

TEST(Startup, HelpAndVersionPrintToStandardOutputAndTouchNoLog) {
    TempDir dir;
    for (const char* option : {"--help", "-h"}) {
        const PlayerResult run = runPlayer(dir.path().string(), option);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.output.rfind("Usage: vornex [options] [script]\n", 0), 0u) << run.output;
    }
    const PlayerResult version = runPlayer(dir.path().string(), "--version");
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(std::regex_search(version.output, std::regex(R"(^Vornex \d+\.\d+\.\d+ \(Build: )")))
        << version.output;
    EXPECT_FALSE(dir.exists("log.txt"));
}

TEST(Startup, AScriptThatCannotBeReadLeavesTheReadersMessageLastAndOpensNoWindow) {
    TempDir dir;
    dir.write("data/broken.txt", "<demo><camera></demo>");
    const PlayerResult run = runPlayer(dir.path().string(), "broken.txt extra");
    // A batch run tells a broken script from a demo that played.
    EXPECT_EQ(run.exitCode, 1);
    const std::string log = dir.read("log.txt");
    EXPECT_NE(log.find("Parsing Script [broken.txt]\r\n"), std::string::npos) << log;
    EXPECT_TRUE(std::regex_search(log, std::regex(R"(ERROR: tag \[demo\] couldn't be read\r\n$)")))
        << log;
    EXPECT_EQ(run.output.find("OpenGL|"), std::string::npos) << run.output;
}

TEST(Startup, AMissingScriptOrAFolderInItsPlaceEndsWithOne) {
    TempDir dir;
    std::filesystem::create_directories(dir.path() / "data/folder.txt");
    for (const char* script : {"", "missing.txt", "folder.txt"}) {
        const PlayerResult run = runPlayer(dir.path().string(), script);
        EXPECT_EQ(run.exitCode, 1) << script << run.output;
        EXPECT_TRUE(std::regex_search(dir.read("log.txt"), std::regex(R"(couldn't find .+\r\n$)")))
            << dir.read("log.txt");
#ifdef VORNEX_WINDOWS_BUILD_DIR
        // Double-clicked, the console would vanish: the message is also in a box, whose
        // text the test run (VORNEX_NO_MESSAGEBOX) gets on standard error instead.
        EXPECT_TRUE(std::regex_search(run.output, std::regex(R"(\[Vornex\] .*couldn't find)")))
            << run.output;
#endif
    }
}

TEST(Startup, WithoutAnArgumentTheScriptIsScriptTxt) {
    TempDir dir;
    dir.write("data/script.txt", "<notademo/>\n");
    const PlayerResult run = runPlayer(dir.path().string());
    EXPECT_EQ(run.exitCode, 0);
    const std::string log = dir.read("log.txt");
    EXPECT_NE(log.find("Parsing Script [script.txt]\r\n"), std::string::npos) << log;
    EXPECT_TRUE(std::regex_search(log, std::regex(R"(done\.\r\n$)"))) << log;
}

TEST(Startup, AScriptPathOverTheBufferIsRefusedWithALogLine) {
    TempDir dir;
    const PlayerResult run = runPlayer(dir.path().string(), std::string(256, 's'));
    EXPECT_EQ(run.exitCode, 1);
    const std::string log = dir.read("log.txt");
    EXPECT_NE(log.find("Script path longer than 255 characters refused\r\n"), std::string::npos)
        << log;
    EXPECT_EQ(log.find("Parsing Script"), std::string::npos) << log;
}

TEST(Startup, LogLinesAreNumberedFromZeroInEveryRunAndIncludesAreReadInPlace) {
    TempDir dir;
    dir.write("data/script.txt", "<intro/><include file=\"more.txt\"/><outro/>\n");
    dir.write("data/more.txt", "<middle/>\n");
    dir.write("log.txt", std::string(5000, 'x')); // left by an earlier run
    for (int runIndex = 0; runIndex < 2; ++runIndex) {
        const PlayerResult run = runPlayer(dir.path().string());
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_NE(run.output.find("load[data/script.txt]\nload[data/more.txt]\n"),
                  std::string::npos)
            << run.output;
        EXPECT_TRUE(std::regex_match(
            dir.read("log.txt"),
            std::regex("000000\\|\\[\\d\\d:\\d\\d:\\d\\d\\.\\d{3}\\]  \\*\\*\\*\\* Parsing Script "
                       "\\[script.txt\\]\r\n"
                       "000001\\|\\[\\d\\d:\\d\\d:\\d\\d\\.\\d{3}\\]  \\*\\*\\*\\* done\\.\r\n")))
            << dir.read("log.txt");
    }
}

TEST(Startup, ScriptNamesTypedAsPathsIntoDataAreFoundAndAMissingDataFolderIsExplained) {
    TempDir dir;
    dir.write("data/parts/intro.txt", "<notademo/>\n");
    // Tab completion, a Windows path, and the name below data/.
    for (const char* name :
         {"data/parts/intro.txt", "'data\\parts\\intro.txt'", "parts/intro.txt"}) {
        const PlayerResult run = runPlayer(dir.path().string(), name);
        EXPECT_EQ(run.exitCode, 0) << name << "\n" << run.output;
        EXPECT_NE(dir.read("log.txt").find("Parsing Script [parts/intro.txt]\r\n"),
                  std::string::npos)
            << name << "\n"
            << dir.read("log.txt");
    }
    const PlayerResult missing = runPlayer(dir.path().string(), "data/gone.txt");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.output.find("Error: file not found data/gone.txt"), std::string::npos)
        << missing.output;

    TempDir empty;
    for (const char* arguments : {"", "--check"}) {
        const PlayerResult run = runPlayer(empty.path().string(), arguments);
        EXPECT_EQ(run.exitCode, 1) << run.output;
        // Under Wine the folder is named as Windows sees it (Z:\tmp\...).
        const size_t said = run.output.find("there is no data/ folder in ");
        EXPECT_NE(said, std::string::npos) << run.output;
        EXPECT_NE(run.output.find(empty.path().filename().string(), said), std::string::npos)
            << run.output;
        EXPECT_NE(run.output.find("run vornex there"), std::string::npos) << run.output;
    }
}
