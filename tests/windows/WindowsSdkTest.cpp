// The SDK a Windows plugin author gets (vornex-sdk-windows.zip, beside the player's zip):
// unpacked alone, it builds the guide's example plugin, which calls OpenGL, with the guide's
// pkg-config and CMake commands and Debian's mingw-w64 compiler, and the Windows player
// under Wine loads what each way built and shows what it draws.
#include "StockEffectsFixture.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string readSource(const char* relative) {
    std::ifstream in(std::string(VORNEX_SOURCE_DIR "/") + relative, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The guide's commands, run with $SDK set as the guide sets it.
constexpr const char* kPkgConfigBuild =
    "x86_64-w64-mingw32-g++-posix -shared pulse.cpp \\\n"
    "    $(PKG_CONFIG_PATH=$SDK/share/pkgconfig pkg-config --cflags --libs vornex-plugin) "
    "-o pulse.dll";
constexpr const char* kCMakeConfigure =
    "cmake -S . -B build -DCMAKE_TOOLCHAIN_FILE=$SDK/mingw-w64-x86_64.cmake "
    "-DCMAKE_PREFIX_PATH=$SDK";

// The example effect at a fixed brightness (rate 0: half its colour) over the left half of a
// black window, captured once.
constexpr const char* kPulseScript = R"(<demo name="pulse" width="64" height="48" lockfps="10">
    <loadplugin file="stockfx.dll"/>
    <loadplugin file="pulse.dll"/>
    <add type="clear" name="bg"/>
    <bg color="0,0,0,1"/>
    <add type="pulse" name="glow"/>
    <glow color="1,0.5,0.25,1" rate="0" viewport="0,0,0.5,1"/>
    <add type="capture" name="capture"/>
    <capture enabled="1" folder="frames" start="0.45" every="100"/>
    <draworder effect="bg" effect="glow" effect="capture"/>
    <event time="0.8"><exit/></event>
    <load/>
    <run/>
</demo>
)";

// Plays the example built into `plugin`, from a folder of its own, and reads the frame back.
void expectPulseDrawn(const TempDir& dir, const std::string& folder, const std::string& plugin) {
    std::filesystem::create_directories(dir.path() / folder);
    std::filesystem::copy_file(dir.file(plugin), dir.file(folder + "/pulse.dll"));
    dir.write(folder + "/data/script.txt", kPulseScript);
    const PlayerResult run = runPlayer(dir.file(folder), "", 120);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    const std::string log = dir.read(folder + "/log.txt");
    EXPECT_NE(log.find("loadlibrary: pulse.dll\r\n"), std::string::npos) << log;
    EXPECT_EQ(log.find("ERROR"), std::string::npos) << log;
    Frame frame(dir.file(folder + "/frames/frame_00000.png"));
    ASSERT_TRUE(frame.loaded()) << log;
    EXPECT_TRUE(within(frame.at(0.25f, 0.5f), {128, 64, 32}, 2)) << frame.at(0.25f, 0.5f);
    EXPECT_TRUE(within(frame.at(0.75f, 0.5f), {0, 0, 0}, 0)) << frame.at(0.75f, 0.5f);
}

} // namespace

TEST(WindowsSdk, TheGuidesExampleBuildsFromTheSdkZipAloneAndDraws) {
    const std::string page = readSource("docs/writing-a-plugin.md");
    EXPECT_NE(page.find(kPkgConfigBuild), std::string::npos) << "the guide's pkg-config command";
    EXPECT_NE(page.find(kCMakeConfigure), std::string::npos) << "the guide's CMake command";

    TempDir dir;
    ASSERT_EQ(runShell("cd '" + dir.path().string() +
                       "' && cmake -E tar xf '" VORNEX_WINDOWS_BUILD_DIR
                       "/vornex-sdk-windows.zip'"),
              0);
    const std::string example = dir.file("vornex-sdk/examples/pulse");
    const std::string inExample =
        "cd '" + example + "' && SDK='" + dir.file("vornex-sdk") + "' && ";
    ASSERT_EQ(runShell(inExample + kPkgConfigBuild), 0);
    ASSERT_EQ(
        runShell(inExample + kCMakeConfigure + " >/dev/null && cmake --build build >/dev/null"), 0);

    expectPulseDrawn(dir, "with-pkg-config", "vornex-sdk/examples/pulse/pulse.dll");
    expectPulseDrawn(dir, "with-cmake", "vornex-sdk/examples/pulse/build/pulse.dll");
}
