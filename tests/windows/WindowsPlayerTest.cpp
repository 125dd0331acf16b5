// The Windows build of the player, run under Wine by the end-to-end driver (built on Linux
// with VORNEX_WINE_PLAYER): the bundled demo's frames against the Linux build's frames of
// the same demo times, a plugin named as a DLL, and an outside plugin DLL cross-built
// against the installed SDK.
#include "FrameComparison.h"
#include "StockEffectsFixture.h"

#include <filesystem>

namespace {

// Two seconds apart through the whole demo, with a fixed frame step so that both players
// draw the same demo times.
constexpr const char* kRecordingScript =
    R"(<demo name="Vornex" width="320" height="240" lockfps="10">
    <include file="vornex.txt"/>
    <capture enabled="1" folder="frames" start="0.55" every="20"/>
    <load effect="loading"/>
    <run/>
</demo>
)";

// ...except on a loaded machine, where Wine was seen to report it anyway: the plasma's
// copy in this tree leaves the mouse out.
void holdPlasmaStill(const TempDir& dir) {
    namespace fs = std::filesystem;
    const fs::path shaders = dir.path() / "data" / "shaders";
    const fs::path bundled = fs::read_symlink(shaders);
    fs::remove(shaders);
    fs::create_directory(shaders);
    for (const fs::directory_entry& entry : fs::directory_iterator(bundled))
        fs::create_symlink(entry.path(), shaders / entry.path().filename());
    std::string plasma = dir.read("data/shaders/plasma.frag");
    const std::string uniform = "uniform vec2 uMouse;";
    ASSERT_NE(plasma.find(uniform), std::string::npos);
    plasma.replace(plasma.find(uniform), uniform.size(), "const vec2 uMouse = vec2(0.0);");
    fs::remove(shaders / "plasma.frag");
    dir.write("data/shaders/plasma.frag", plasma);
}

} // namespace

TEST(WindowsPlayer, BundledDemoFramesMatchTheLinuxBuild) {
    // The plasma follows the mouse. Wine reports the pointer when a window opens under it,
    // SDL only once it moves: out of both windows, both players see the same (none)...
    ASSERT_EQ(runShell("xdotool mousemove 1279 1023"), 0);
    TempDir windows;
    linkBundledData(windows, kRecordingScript);
    holdPlasmaStill(windows);
    const PlayerResult windowsRun = runPlayer(windows.path().string(), "", 300);
    ASSERT_EQ(windowsRun.exitCode, 0) << windowsRun.output;
    TempDir linux;
    linkBundledData(linux, kRecordingScript);
    holdPlasmaStill(linux);
    const PlayerResult linuxRun = runLinuxPlayer(linux.path().string(), "", 300);
    ASSERT_EQ(linuxRun.exitCode, 0) << linuxRun.output;

    ASSERT_EQ(readFrames(windows).size(), 31u) << windows.read("log.txt");
    expectSameFrames(windows, linux);
}

TEST(WindowsPlayer, PluginsNamedAsDllsLoadAsWritten) {
    TempDir dir;
    dir.write("data/script.txt", R"(<demo name="dll" width="64" height="48">
  <loadplugin file="stockfx.dll"/><loadplugin file="recorderfx.so"/>
  <add type="clear" name="bg"/><add type="recorder" name="rec"/>
  <exit/>
</demo>
)");
    const PlayerResult run = runPlayer(dir.path().string());
    EXPECT_EQ(run.exitCode, 0) << run.output;
    const std::string log = dir.read("log.txt");
    EXPECT_NE(log.find("loadlibrary: stockfx.dll\r\n"), std::string::npos) << log;
    EXPECT_NE(log.find("loadlibrary: recorderfx.so\r\n"), std::string::npos) << log;
    EXPECT_EQ(log.find("ERROR"), std::string::npos) << log;
}

constexpr const char* kOutsidePlugin = R"(#include <vornex/plugin.h>
#include <cstring>

namespace {
EffectParam level = {kParamInteger, "level"};
EffectParam* list[] = {&level};
EffectParamTable table = {"Outside", 1, list};

class OutsideEffect : public Effect {
public:
    EffectParamTable* params() override { return &table; }
};
}

VORNEX_PLUGIN_EXPORT bool hasFX(const char* type) { return std::strcmp(type, "outside") == 0; }
VORNEX_PLUGIN_EXPORT Effect* getFX(const char* type) {
    return hasFX(type) ? new OutsideEffect : nullptr;
}
)";

TEST(WindowsPlayer, AnOutsidePluginDllBuildsAgainstTheInstalledSdkAndLoads) {
    TempDir dir;
    const std::string prefix = dir.file("prefix");
    ASSERT_EQ(runShell("cmake --install '" VORNEX_WINDOWS_BUILD_DIR "' --prefix '" + prefix +
                       "' >/dev/null"),
              0);
    dir.write("fx.cpp", kOutsidePlugin);
    const std::string pkgConfig = "PKG_CONFIG_LIBDIR='" + prefix + "/share/pkgconfig' pkg-config";
    ASSERT_EQ(runShell("cd '" + dir.path().string() +
                       "' && x86_64-w64-mingw32-g++-posix -Wall -Wextra -Werror -shared fx.cpp $(" +
                       pkgConfig + " --cflags vornex-plugin) -o fx.dll $(" + pkgConfig +
                       " --libs vornex-plugin)"),
              0);

    // The CMake package gives the same through the target vornex::plugin.
    dir.write("cmake/CMakeLists.txt", R"(cmake_minimum_required(VERSION 3.16)
project(outside CXX)
find_package(vornex-plugin 1.0 REQUIRED)
add_library(cmakefx MODULE ../fx.cpp)
set_target_properties(cmakefx PROPERTIES PREFIX "")
target_link_libraries(cmakefx PRIVATE vornex::plugin)
)");
    ASSERT_EQ(runShell("cd '" + dir.path().string() +
                       "/cmake' && cmake -S . -B build -DCMAKE_TOOLCHAIN_FILE='" VORNEX_SOURCE_DIR
                       "/cmake/mingw-w64-x86_64.cmake' -DCMAKE_PREFIX_PATH='" +
                       prefix + "' >/dev/null && cmake --build build >/dev/null"),
              0);
    std::filesystem::copy_file(dir.file("cmake/build/cmakefx.dll"), dir.file("cmakefx.dll"));

    // Found in the working directory, the second place of the library search.
    dir.write("data/script.txt", R"(<demo name="outside"><loadplugin file="fx.dll"/>
        <loadplugin file="cmakefx.dll"/><add type="outside" name="o"/><exit/></demo>)");
    const PlayerResult run = runPlayer(dir.path().string());
    EXPECT_EQ(run.exitCode, 0) << run.output;
    const std::string log = dir.read("log.txt");
    EXPECT_NE(log.find("loadlibrary: fx.dll\r\n"), std::string::npos) << log;
    EXPECT_NE(log.find("loadlibrary: cmakefx.dll\r\n"), std::string::npos) << log;
    EXPECT_NE(log.find("effect:Outside params:1\n\r\n"), std::string::npos) << log;
}
