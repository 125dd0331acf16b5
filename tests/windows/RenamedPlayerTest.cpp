// The Windows player released under a demo's own name: copied as mydemo.exe beside the stock
// effects and the data, with no vornex.exe anywhere the library search looks, it still loads
// its plugins and plays the bundled demo as the Linux build does.
#include "FrameComparison.h"
#include "StockEffectsFixture.h"

#include <filesystem>

namespace {

// The demo's first parts, a frame every two seconds: the loading screen's logo and stars,
// the pictures (TGA, JPEG, PNG), and the textured cube and torus.
constexpr const char* kFirstPartsScript =
    R"(<demo name="Vornex" width="320" height="240" lockfps="10">
    <include file="vornex.txt"/>
    <capture enabled="1" folder="frames" start="0.55" every="20"/>
    <event time="13.5"><exit/></event>
    <load effect="loading"/>
    <run/>
</demo>
)";

} // namespace

TEST(RenamedPlayer, PlaysTheBundledDemoWithItsStockEffects) {
    namespace fs = std::filesystem;
    TempDir release;
    const fs::path bin = fs::path(VORNEX_WINDOWS_BUILD_DIR) / "bin";
    fs::copy_file(bin / "vornex.exe", release.path() / "mydemo.exe");
    fs::copy_file(bin / "stockfx.dll", release.path() / "stockfx.dll");
    linkBundledData(release, kFirstPartsScript);
    const PlayerResult run =
        runPlayerCommand("'" VORNEX_WINE "' ./mydemo.exe", release.path().string(), "", 300);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const std::string log = release.read("log.txt");
    EXPECT_EQ(log.find("not found"), std::string::npos) << log;
    EXPECT_EQ(log.find("ERROR"), std::string::npos) << log;
    ASSERT_EQ(readFrames(release).size(), 7u) << log;

    TempDir linux;
    linkBundledData(linux, kFirstPartsScript);
    const PlayerResult linuxRun = runLinuxPlayer(linux.path().string(), "", 300);
    ASSERT_EQ(linuxRun.exitCode, 0) << linuxRun.output;
    expectSameFrames(release, linux);
}
