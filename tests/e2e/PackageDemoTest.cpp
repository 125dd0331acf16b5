// scripts/package-demo on the Linux build: the archive holds the player under the demo's
// name, its plugins and exactly the data the script uses, and plays unpacked in an empty
// folder; a script that names a missing file is not packed.
#include "PlayerRun.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

namespace {

// Runs the packer in `folder` (which holds data/) with the player under test's build.
PlayerResult packDemo(const std::string& folder, const std::string& arguments,
                      const std::string& out) {
    return runPlayerCommand("'" VORNEX_SOURCE_DIR "/scripts/package-demo'", folder,
                            arguments + " --build '" VORNEX_BIN_DIR "/..' --out '" + out + "'",
                            300);
}

} // namespace

TEST(PackageDemo, TheBundledDemoPacksUnderItsNameAndPlaysInAnEmptyFolder) {
    TempDir dir;
    const PlayerResult pack =
        packDemo(VORNEX_SOURCE_DIR, "script.txt my-demo --linux", dir.file(""));
    ASSERT_EQ(pack.exitCode, 0) << pack.output;
    ASSERT_TRUE(dir.exists("my-demo-linux.tar.gz")) << pack.output;
    std::filesystem::create_directories(dir.path() / "empty");
    ASSERT_EQ(std::system(("tar -xzf '" + dir.file("my-demo-linux.tar.gz") + "' -C '" +
                           dir.file("empty") + "'")
                              .c_str()),
              0);
    const std::set<std::string> files = filesBelow(dir.path() / "empty/my-demo");
    for (const char* expected :
         {"my-demo", "stockfx.so", "README.txt", "data/script.txt", "data/vornex.txt",
          "data/part-credits.txt", "data/shaders/tunnel.frag", "data/music/theme.ogg",
          "data/textures/logo.tga", "data/textures/sunset-progressive.jpg",
          "data/fonts/DejaVuSans.ttf", "data/fonts/DejaVuSans-copyright.txt"})
        EXPECT_TRUE(files.count(expected)) << expected;
    // What the script does not use stays out: another script, an unused texture.
    EXPECT_FALSE(files.count("data/capture.txt"));
    EXPECT_FALSE(files.count("data/textures/bars.gif"));
    // Only what it names: the player, its plugin, the readme and data.
    for (const std::string& file : files)
        EXPECT_TRUE(file.rfind("data/", 0) == 0 || file == "my-demo" || file == "stockfx.so" ||
                    file == "README.txt")
            << file;
    EXPECT_NE(dir.read("empty/my-demo/README.txt").find("apt-get install "), std::string::npos);

    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "playing needs a display (xvfb-run)";
    const std::string folder = dir.file("empty/my-demo");
    const PlayerResult run = runPlayer(folder, "--start 60", 120, folder + "/my-demo");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    const std::string log = dir.read("empty/my-demo/log.txt");
    EXPECT_NE(log.find("loadlibrary: stockfx.so\r\n"), std::string::npos) << log;
    EXPECT_EQ(log.find("ERROR"), std::string::npos) << log;
    EXPECT_EQ(log.find("not found"), std::string::npos) << log;
}

TEST(PackageDemo, AMissingFileStopsThePackingWithItsName) {
    TempDir dir;
    dir.write("data/script.txt", R"(<demo>
  <loadplugin file="stockfx.so"/>
  <add type="musicplay" name="song"/>
  <song file="gone.ogg"/>
  <run/>
</demo>
)");
    const PlayerResult pack = packDemo(dir.path().string(), "script.txt broken", dir.file(""));
    EXPECT_EQ(pack.exitCode, 1) << pack.output;
    EXPECT_NE(pack.output.find("error: file 'gone.ogg' not found"), std::string::npos)
        << pack.output;
    EXPECT_FALSE(dir.exists("broken-linux.tar.gz"));
}
