// cmake --install into a fresh prefix: the player, the stock effects beside it and the
// bundled demo. The installed player plays a data/ folder below any working directory and
// the bundled demo from the prefix.
#include "PlayerRun.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

class Install : public ::testing::Test {
protected:
    void SetUp() override {
        const int status = std::system(
            ("cmake --install '" VORNEX_BIN_DIR "/..' --prefix '" + prefix() + "' >/dev/null")
                .c_str());
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        if (!std::getenv("DISPLAY")) GTEST_SKIP() << "playing needs a display (xvfb-run)";
    }
    std::string prefix() const { return dir.file("prefix"); }
    std::string player() const { return prefix() + "/bin/vornex"; }

    TempDir dir;
};

} // namespace

TEST_F(Install, TheInstalledPlayerPlaysADataFolderBelowAnyWorkingDirectory) {
    EXPECT_TRUE(dir.exists("prefix/bin/stockfx.so"));
    dir.write("elsewhere/data/script.txt", R"(<demo name="elsewhere" width="160" height="120">
        <loadplugin file="stockfx.so"/><add type="clear" name="bg"/><bg color="0,0,1,1"/>
        <draworder effect="bg"/><event time="0.3"><exit/></event><load/><run/></demo>)");
    const PlayerResult run = runPlayer(dir.file("elsewhere"), "", 60, player());
    EXPECT_EQ(run.exitCode, 0) << run.output;
    const std::string log = dir.read("elsewhere/log.txt");
    // Found beside the installed player, not in the build tree.
    EXPECT_NE(log.find("loadlibrary: stockfx.so\r\n"), std::string::npos) << log;
    EXPECT_NE(log.find("Loading effect  0:[bg][clear]"), std::string::npos) << log;
}

TEST_F(Install, TheInstalledPlayerPlaysTheBundledDemoFromThePrefix) {
    const std::string demo = prefix() + "/share/vornex";
    ASSERT_TRUE(dir.exists("prefix/share/vornex/data/vornex.txt"));
    // The bundled demo, at a fixed step and cut after three seconds.
    dir.write("prefix/share/vornex/data/quick.txt",
              R"(<demo name="Vornex" width="320" height="240" lockfps="10">
    <include file="vornex.txt"/>
    <event time="3"><exit/></event>
    <load effect="loading"/>
    <run/>
</demo>
)");
    const PlayerResult run = runPlayer(demo, "quick.txt", 120, player());
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(run.output.find("not found"), std::string::npos) << run.output;
    const std::string log = dir.read("prefix/share/vornex/log.txt");
    EXPECT_NE(log.find("loadlibrary: stockfx.so\r\n"), std::string::npos) << log;
    EXPECT_EQ(log.find("ERROR"), std::string::npos) << log;
    EXPECT_NE(log.find("done."), std::string::npos) << log;
}
