// The SDK's stub in a Windows plugin (libvornex-plugin.a) meeting a player that lacks a
// function the plugin uses: the plugin is refused with one line naming the function, in
// play and in check mode, and the demo goes on; the call the plugin's own constructor makes
// before the player can check it returns harmlessly.
#include "StockEffectsFixture.h"

TEST(SdkStub, APluginUsingAFunctionThePlayerLacksIsRefusedByName) {
    TempDir dir;
    dir.write("data/script.txt", R"(<demo name="later" width="64" height="48">
  <loadplugin file="laterfx.dll"/>
  <loadplugin file="stockfx.dll"/>
  <add type="clear" name="bg"/>
  <exit/>
</demo>
)");
    const char* reason = "laterfx.dll uses musicFadeOut(unsigned int, double), which this "
                         "player does not have: built for a later SDK";
    const PlayerResult run = runPlayer(dir.path().string());
    EXPECT_EQ(run.exitCode, 0) << run.output;
    const std::string log = dir.read("log.txt");
    EXPECT_NE(log.find(std::string("ERROR loadlibrary: ") + reason + "\r\n"), std::string::npos)
        << log;
    EXPECT_NE(log.find("loadlibrary: stockfx.dll\r\n"), std::string::npos) << log;

    const PlayerResult check = runPlayer(dir.path().string(), "--check");
    EXPECT_NE(check.output.find(std::string("plugin 'laterfx.dll' cannot be loaded: ") + reason),
              std::string::npos)
        << check.output;
}
