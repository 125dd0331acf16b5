// The installed plugin SDK: cmake --install into a fresh prefix (once for the suite), then
// outside plugins compiled with nothing but pkg-config's flags or the CMake package, loaded
// by the real player; and the example plugin of docs/writing-a-plugin.md, built and played
// as the page says.
#include "PlayerRun.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string readSource(const std::string& relative) {
    std::ifstream in(std::string(VORNEX_SOURCE_DIR) + "/" + relative, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The body of the first fenced block of that language after `from` in a Markdown text.
std::string fencedBlock(const std::string& page, const std::string& language, size_t from = 0) {
    const std::string fence = "```" + language + "\n";
    const size_t start = page.find(fence, from);
    if (start == std::string::npos) return {};
    const size_t body = start + fence.size();
    const size_t end = page.find("```", body);
    return end == std::string::npos ? std::string() : page.substr(body, end - body);
}

class PluginSdk : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        prefixFolder = new TempDir;
        installedOnce = runShell("cmake --install '" VORNEX_BIN_DIR "/..' --prefix '" + prefix() +
                                 "' >/dev/null") == 0;
    }
    static void TearDownTestSuite() {
        delete prefixFolder;
        prefixFolder = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(installedOnce); }

    static std::string prefix() { return prefixFolder->file("prefix"); }
    // The documented command, with pkg-config pointed at the prefix.
    static std::string pkgConfigBuild(const std::string& folder, const std::string& source,
                                      const std::string& library) {
        const std::string pkgConfig = "PKG_CONFIG_PATH='" + prefix() + "/share/pkgconfig' ";
        return "cd '" + folder + "' && " + pkgConfig + "c++ -shared -fPIC " + source + " $(" +
               pkgConfig + "pkg-config --cflags --libs vornex-plugin) -o " + library;
    }

    static TempDir* prefixFolder;
    static bool installedOnce;
    TempDir dir;
};

TempDir* PluginSdk::prefixFolder = nullptr;
bool PluginSdk::installedOnce = false;

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

// A plugin whose names are the player's own: a Log class with a static instance(), and a
// free function of the same name and parameters as the player's image loader. Defined out
// of line, as a plugin spread over several files would have them. The effect reports what
// its own calls returned.
constexpr const char* kSameNamesPlugin = R"(#include <vornex/plugin.h>
#include <cstdio>
#include <cstring>

class Log {
public:
    static Log& instance();
    void print(const char* text);
    char last[32] = "";
};

Log& Log::instance() {
    static Log log;
    return log;
}

void Log::print(const char* text) {
    std::snprintf(last, sizeof last, "%s", text);
}

const char* loadImage(const char* fileName) {
    return std::strcmp(fileName, "mine") == 0 ? "the plugin's own" : "another";
}

namespace {
class SameNames : public Effect {
public:
    int load() override {
        Log::instance().print("kept");
        hostLog("samenames: Log %s, loadImage %s", Log::instance().last, loadImage("mine"));
        return 0;
    }
};
}

VORNEX_PLUGIN_EXPORT bool hasFX(const char* type) { return std::strcmp(type, "samenames") == 0; }
VORNEX_PLUGIN_EXPORT Effect* getFX(const char* type) {
    return hasFX(type) ? new SameNames : nullptr;
}
)";

} // namespace

TEST_F(PluginSdk, AnOutsidePluginBuildsAgainstTheInstalledHeadersAndLoads) {
    EXPECT_TRUE(std::filesystem::exists(prefix() + "/include/vornex/plugin.h"));
    EXPECT_TRUE(
        std::filesystem::exists(prefix() + "/share/cmake/vornex-plugin/vornex-pluginConfig.cmake"));
    dir.write("fx.cpp", kOutsidePlugin);
    ASSERT_EQ(
        runShell(pkgConfigBuild(dir.path().string(), "-Wall -Wextra -Werror fx.cpp", "fx.so")), 0);

    // The CMake package gives the same headers through the target vornex::plugin.
    dir.write("cmake/CMakeLists.txt", R"(cmake_minimum_required(VERSION 3.16)
project(outside CXX)
find_package(vornex-plugin 1.0 REQUIRED)
add_library(fx MODULE ../fx.cpp)
target_link_libraries(fx PRIVATE vornex::plugin)
)");
    EXPECT_EQ(runShell("cd '" + dir.path().string() +
                       "/cmake' && cmake -S . -B build -DCMAKE_PREFIX_PATH='" + prefix() +
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

TEST_F(PluginSdk, APluginKeepsItsOwnClassesAndFunctionsOfThePlayersNames) {
    dir.write("same.cpp", kSameNamesPlugin);
    ASSERT_EQ(runShell(pkgConfigBuild(dir.path().string(), "same.cpp", "same.so")), 0);
    // pkg-config's flags hide everything but the exports.
    const std::string exported =
        commandOutput("nm -D --defined-only '" + dir.file("same.so") + "'");
    EXPECT_NE(exported.find(" T hasFX\n"), std::string::npos) << exported;
    EXPECT_NE(exported.find(" T getFX\n"), std::string::npos) << exported;
    EXPECT_EQ(exported.find("Log"), std::string::npos) << exported;
    EXPECT_EQ(exported.find("loadImage"), std::string::npos) << exported;
    // And the player exports neither name.
    const std::string player = commandOutput("nm -DC --defined-only '" + prefix() + "/bin/vornex'");
    EXPECT_EQ(player.find("Log::instance"), std::string::npos);
    EXPECT_EQ(player.find(" loadImage("), std::string::npos);

    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "loading it needs a display (xvfb-run)";
    dir.write("data/script.txt", R"(<demo name="same"><loadplugin file="same.so"/>
        <add type="samenames" name="s"/><load/><exit/></demo>)");
    const PlayerResult run = runPlayer(dir.path().string());
    EXPECT_EQ(run.exitCode, 0) << run.output;
    const std::string log = dir.read("log.txt");
    EXPECT_NE(log.find("samenames: Log kept, loadImage the plugin's own\r\n"), std::string::npos)
        << log;
}

TEST_F(PluginSdk, TheGuidesExamplePluginIsTheFileItShowsAndBuildsAndPlays) {
    const std::string page = readSource("docs/writing-a-plugin.md");
    const std::string source = readSource("docs/examples/pulse/pulse.cpp");
    const std::string script = readSource("docs/examples/pulse/script.txt");
    const std::string cmake = readSource("docs/examples/pulse/CMakeLists.txt");
    EXPECT_EQ(fencedBlock(page, "cpp"), source) << "the page and pulse.cpp differ";
    EXPECT_EQ(fencedBlock(page, "xml", page.find("## A minimal effect")), script);
    EXPECT_EQ(fencedBlock(page, "cmake"), cmake);
    // The build command as the page gives it.
    EXPECT_NE(
        page.find("c++ -shared -fPIC pulse.cpp $(pkg-config --cflags --libs vornex-plugin) -o "
                  "pulse.so"),
        std::string::npos);

    dir.write("pulse.cpp", source);
    dir.write("CMakeLists.txt", cmake);
    ASSERT_EQ(runShell(pkgConfigBuild(dir.path().string(), "pulse.cpp", "pulse.so")), 0);
    // The CMake template makes the module the script names, without a lib prefix.
    EXPECT_EQ(runShell("cd '" + dir.path().string() +
                       "' && cmake -S . -B build -DCMAKE_PREFIX_PATH='" + prefix() +
                       "' >/dev/null && cmake --build build >/dev/null"),
              0);
    EXPECT_TRUE(dir.exists("build/pulse.so"));

    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "playing it needs a display (xvfb-run)";
    // The page's script, ended after a second rather than ten.
    std::string quick = script;
    const size_t at = quick.find("time=\"10\"");
    ASSERT_NE(at, std::string::npos);
    quick.replace(at, 9, "time=\"1\"");
    dir.write("data/script.txt", quick);
    const PlayerResult run = runPlayer(dir.path().string());
    EXPECT_EQ(run.exitCode, 0) << run.output;
    const std::string log = dir.read("log.txt");
    for (const char* line :
         {"loadlibrary: pulse.so\r\n", "effect:Pulse params:2\n\r\n",
          "param00 name:color type:vec4f\n\r\n", "param01 name:rate type:float\n\r\n",
          "Loading effect  0:[glow][pulse]"})
        EXPECT_NE(log.find(line), std::string::npos) << line << "\n" << log;
}
