#include "PlayerRun.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <regex>

TEST(Startup, PrintsTheBannerAndExitsWithZero) {
    TempDir dir;
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
        EXPECT_EQ(run.output.rfind("Usage: vornex [script]\n", 0), 0u) << run.output;
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
    EXPECT_EQ(run.exitCode, 0);
    const std::string log = dir.read("log.txt");
    EXPECT_NE(log.find("Parsing Script [broken.txt]\r\n"), std::string::npos) << log;
    EXPECT_TRUE(std::regex_search(log, std::regex(R"(ERROR: tag \[demo\] couldn't be read\r\n$)")))
        << log;
    EXPECT_EQ(run.output.find("OpenGL|"), std::string::npos) << run.output;
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
    EXPECT_EQ(run.exitCode, 0);
    const std::string log = dir.read("log.txt");
    EXPECT_NE(log.find("Script path longer than 255 characters refused\r\n"), std::string::npos)
        << log;
    EXPECT_EQ(log.find("Parsing Script"), std::string::npos) << log;
}
