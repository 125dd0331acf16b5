// The loader's progress bar while the effects load: a small plugin built by the test reads
// back the last loading screen presented from its own load(), between the other effects'
// loads. Mesa's software rasteriser under Xvfb presents by copying the back buffer, which
// therefore still holds the screen just presented (its front buffer reads back black).
#include "StockEffectsFixture.h"

namespace {

// "screenprobe": on load, the share of yellow pixels along the row at 15% of the window's
// height, appended to bar.txt.
constexpr const char* kScreenProbe = R"(#include <vornex/plugin.h>
#include <GL/gl.h>
#include <cstdio>
#include <cstring>

namespace {
class ScreenProbe : public Effect {
public:
    int load() override {
        const int width = static_cast<int>(host->width());
        const int y = static_cast<int>(host->height() * 0.15f);
        static unsigned char row[4096 * 3];
        if (width <= 0 || width > 4096) return -1;
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, y, width, 1, GL_RGB, GL_UNSIGNED_BYTE, row);
        int yellow = 0;
        for (int i = 0; i < width; ++i)
            if (row[i * 3] > 200 && row[i * 3 + 1] > 200 && row[i * 3 + 2] < 60) ++yellow;
        FILE* file = std::fopen("bar.txt", "a");
        if (!file) return -1;
        std::fprintf(file, "%.2f\n", static_cast<double>(yellow) / width);
        std::fclose(file);
        return 0;
    }
};
}

VORNEX_PLUGIN_EXPORT bool hasFX(const char* type) { return std::strcmp(type, "screenprobe") == 0; }
VORNEX_PLUGIN_EXPORT Effect* getFX(const char* type) {
    return hasFX(type) ? new ScreenProbe : nullptr;
}
)";

} // namespace

TEST(StockEffectsLoader, TheBarGrowsWithEveryEffectLoaded) {
    if (!haveDisplay()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TempDir dir;
    dir.write("probe.cpp", kScreenProbe);
    ASSERT_EQ(runShell("cd '" + dir.path().string() +
                       "' && c++ -shared -fPIC probe.cpp -I'" VORNEX_SOURCE_DIR
                       "/include' -o screenprobe.so -lGL"),
              0);
    // Five effects: the screens after each show 1/5 ... 5/5 of the bar.
    dir.write("data/script.txt", stockScript(R"(<loadplugin file="screenprobe.so"/>
<add type="loader" name="loading"/>
<loading color="1,1,0,1" background="0,0,0.5,1" bar="0,0.1,1,0.1"/>
<add type="clear" name="first"/>
<add type="screenprobe" name="early"/>
<add type="clear" name="second"/>
<add type="screenprobe" name="late"/>
<load effect="loading"/>)",
                                             10, 0.2f));
    const PlayerResult run = runPlayer(dir.path().string());
    ASSERT_EQ(run.exitCode, 0) << run.output;
    // Each probe sees the screen drawn after the effect before it: two of five loaded,
    // then four of five.
    EXPECT_EQ(dir.read("bar.txt"), "0.40\n0.80\n") << dir.read("log.txt");
}
