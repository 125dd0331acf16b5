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
