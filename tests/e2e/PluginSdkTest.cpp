// The installed plugin SDK: cmake --install into a fresh prefix, then an outside plugin
// compiled with nothing but pkg-config's flags, loaded by the real player.
#include "PlayerRun.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

int shell(const std::string& command) {
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
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

} // namespace

TEST(PluginSdk, AnOutsidePluginBuildsAgainstTheInstalledHeadersAndLoads) {
    TempDir dir;
    const std::string prefix = dir.file("prefix");
    ASSERT_EQ(shell("cmake --install '" VORNEX_BIN_DIR "/..' --prefix '" + prefix + "' >/dev/null"),
              0);
    EXPECT_TRUE(dir.exists("prefix/include/vornex/plugin.h"));
    EXPECT_TRUE(dir.exists("prefix/share/cmake/vornex-plugin/vornex-pluginConfig.cmake"));
    dir.write("fx.cpp", kOutsidePlugin);
    ASSERT_EQ(shell("cd '" + dir.path().string() + "' && PKG_CONFIG_PATH='" + prefix +
                    "/share/pkgconfig' c++ -Wall -Wextra -Werror -shared -fPIC fx.cpp "
                    "$(PKG_CONFIG_PATH='" +
                    prefix + "/share/pkgconfig' pkg-config --cflags vornex-plugin) -o fx.so"),
              0);

    // The CMake package gives the same headers through the target vornex::plugin.
    dir.write("cmake/CMakeLists.txt", R"(cmake_minimum_required(VERSION 3.16)
project(outside CXX)
find_package(vornex-plugin 0.1 REQUIRED)
add_library(fx MODULE ../fx.cpp)
target_link_libraries(fx PRIVATE vornex::plugin)
)");
    EXPECT_EQ(shell("cd '" + dir.path().string() +
                    "/cmake' && cmake -S . -B build -DCMAKE_PREFIX_PATH='" + prefix +
                    "' >/dev/null && cmake --build build >/dev/null"),
              0);

    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "loading it needs a display (xvfb-run)";
    // Found in the working directory, the second place of the library search.
    dir.write("data/script.txt", R"(<demo name="outside"><loadplugin file="fx.dll"/>
        <add type="outside" name="o"/><exit/></demo>)");
    const PlayerResult run = runPlayer(dir.path().string());
    EXPECT_EQ(run.exitCode, 0) << run.output;
    const std::string log = dir.read("log.txt");
    EXPECT_NE(log.find("loadlibrary: fx.dll\r\n"), std::string::npos) << log;
    EXPECT_NE(log.find("effect:Outside params:1\n\r\n"), std::string::npos) << log;
    EXPECT_NE(log.find("param00 name:level type:integer\n\r\n"), std::string::npos) << log;
}
