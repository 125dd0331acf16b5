// scripts/package-demo --windows: the bundled demo packed under its own name, unpacked in
// an empty folder and played there by Wine, with nothing of the build beside it. What the
// stock effects drew is read back from the capture effect's frames.
#include "StockEffectsFixture.h"

#include <filesystem>
#include <set>
#include <string>

namespace {

// The packed demo with the capture on: a frame every three seconds of its first twenty,
// each from another part of the demo.
constexpr const char* kRecordingScript =
    R"(<demo name="Packed" width="160" height="120" lockfps="10">
    <include file="vornex.txt"/>
    <capture enabled="1" folder="frames" start="0.55" every="30"/>
    <event time="19"><exit/></event>
    <load effect="loading"/>
    <run/>
</demo>
)";

} // namespace

TEST(WindowsPackage, TheBundledDemoPacksForWindowsAndPlaysUnderWineInAnEmptyFolder) {
    TempDir dir;
    const PlayerResult pack =
        runPlayerCommand("'" VORNEX_SOURCE_DIR "/scripts/package-demo'", VORNEX_SOURCE_DIR,
                         "script.txt my-demo --windows --build '" VORNEX_BIN_DIR
                         "/..' --windows-build '" VORNEX_WINDOWS_BUILD_DIR "' --out '" +
                             dir.file("") + "'",
                         300);
    ASSERT_EQ(pack.exitCode, 0) << pack.output;
    ASSERT_TRUE(dir.exists("my-demo-windows.zip")) << pack.output;
    std::filesystem::create_directories(dir.path() / "empty");
    ASSERT_EQ(runShell("unzip -q '" + dir.file("my-demo-windows.zip") + "' -d '" +
                       dir.file("empty") + "'"),
              0);
    const std::string folder = dir.file("empty/my-demo");
    const std::set<std::string> files = filesBelow(folder);
    for (const char* expected :
         {"my-demo.exe", "stockfx.dll", "README.txt", "data/script.txt", "data/vornex.txt",
          "data/shaders/tunnel.frag", "data/music/theme.ogg", "data/textures/logo.tga",
          "data/fonts/DejaVuSans.ttf", "data/fonts/DejaVuSans-copyright.txt"})
        EXPECT_TRUE(files.count(expected)) << expected;
    for (const std::string& file : files)
        EXPECT_TRUE(file.rfind("data/", 0) == 0 || file == "my-demo.exe" || file == "stockfx.dll" ||
                    file == "README.txt")
            << file;
    EXPECT_NE(dir.read("empty/my-demo/README.txt").find("my-demo.exe"), std::string::npos);

    // Its own script, as a user starts it: to its end, once, from late on.
    const std::string player = "'" VORNEX_WINE "' '" + folder + "/my-demo.exe'";
    const PlayerResult played = runPlayerCommand(player, folder, "--start 58", 300);
    EXPECT_EQ(played.exitCode, 0) << played.output;
    std::string log = dir.read("empty/my-demo/log.txt");
    EXPECT_NE(log.find("loadlibrary: stockfx."), std::string::npos) << log;
    EXPECT_EQ(log.find("ERROR"), std::string::npos) << log;

    // What the stock effects draw, through the packed data alone.
    dir.write("empty/my-demo/data/recording.txt", kRecordingScript);
    const PlayerResult recorded = runPlayerCommand(player, folder, "recording.txt", 300);
    EXPECT_EQ(recorded.exitCode, 0) << recorded.output;
    log = dir.read("empty/my-demo/log.txt");
    EXPECT_EQ(log.find("ERROR"), std::string::npos) << log;
    std::vector<std::unique_ptr<Frame>> frames;
    for (int i = 0; std::filesystem::exists(framePath(dir, i, "empty/my-demo/frames")); ++i)
        frames.emplace_back(new Frame(framePath(dir, i, "empty/my-demo/frames")));
    ASSERT_GE(frames.size(), 6u) << log;
    for (size_t i = 0; i < frames.size(); ++i) {
        ASSERT_TRUE(frames[i]->loaded()) << i;
        EXPECT_EQ(frames[i]->width(), 160);
        // Every part draws a picture, never an empty screen.
        EXPECT_GT(frames[i]->spread(), 4.0) << "frame " << i;
    }
}
