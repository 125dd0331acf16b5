// Drawing 2,000 characters a frame with the text effect (40 lines of 50, shaped and
// rasterised once at load), against its peer: the picture effect drawing 2,000 quads, one
// draw each, in the same run. Both through stockfx.so in a real window on the machine's
// OpenGL (Mesa under Xvfb), each frame finished with glFinish so the driver's work counts.
// Reported: processor time per frame, and at the end the text's time over the picture's.
// Needs a display; run from the build folder's bin/ (where stockfx.so is).
#include "demo/Demo.h"
#include "io/MemoryStream.h"
#include "log/Log.h"
#include "script/ScriptDocument.h"
#include <vornex/Effect.h>

#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <unistd.h>

namespace {

constexpr int kLines = 40;
constexpr int kColumns = 50;
constexpr int kCharacters = kLines * kColumns;
// Printable letters but those the script's syntax reserves (quotes, angle brackets).
constexpr char kLetters[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789.,;:!?-+()[]{}/*#%=_@$";

std::string benchScript() {
    std::string text;
    for (int line = 0; line < kLines; ++line) {
        // A line break as it is: with the two-character escape the value would pass the
        // 2047 characters an attribute holds.
        if (line) text += '\n';
        for (int column = 0; column < kColumns; ++column)
            text += kLetters[(line * kColumns + column) % (sizeof kLetters - 1)];
    }
    return "<demo width=\"800\" height=\"600\"><loadplugin file=\"stockfx.so\"/>"
           "<add type=\"text\" name=\"plain\"/><plain font=\"DejaVuSans.ttf\" size=\"0.022\" "
           "position=\"0.02,0.97,0\" text=\"" +
           text +
           "\"/><add type=\"text\" name=\"outlined\"/><outlined font=\"DejaVuSans.ttf\" "
           "size=\"0.022\" position=\"0.02,0.97,0\" outline=\"0.05\" shadow=\"0.1,-0.1,0\" "
           "text=\"" +
           text +
           "\"/><add type=\"picture\" name=\"quad\"/><quad color=\"1,1,1,0.5\" "
           "viewport=\"0.1,0.1,0.01,0.01\"/><load/></demo>";
}

struct Stage {
    Stage() {
        Log::instance().setEnabled(false);
        if (chdir(VORNEX_SOURCE_DIR) != 0) std::perror(VORNEX_SOURCE_DIR);
        const std::string script = benchScript();
        MemoryStream stream(script.c_str(), static_cast<uint32_t>(script.size()));
        document.parseElements(document, stream);
        demo.walk(document.children[0]);
    }
    ScriptDocument document;
    Demo demo;
};

Stage& stage() {
    static Stage instance;
    return instance;
}

// Processor time of the whole process (Mesa's threads included), per frame of each.
double textSeconds = 0.0;
double pictureSeconds = 0.0;

double processorSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

void report(benchmark::State& state, double start, double* perFrame) {
    const double seconds =
        state.iterations() ? (processorSeconds() - start) / double(state.iterations()) : 0.0;
    state.counters["process_us_per_frame"] = seconds * 1e6;
    if (perFrame) *perFrame = seconds;
}

void drawEffect(Effect& effect) {
    if (effect.renderState) effect.renderState->apply();
    effect.draw();
    glPopAttrib();
}

void drawText(benchmark::State& state, const char* name, double* perFrame) {
    Effect* text = stage().demo.findEffect(name);
    if (!text) {
        state.SkipWithError("no text effect (is there a display, and stockfx.so beside?)");
        return;
    }
    glViewport(0, 0, 800, 600);
    const double start = processorSeconds();
    for (auto _ : state) {
        drawEffect(*text);
        glFinish();
    }
    report(state, start, perFrame);
}

void BM_Text2000Characters(benchmark::State& state) {
    drawText(state, "plain", &textSeconds);
}

void BM_Text2000CharactersOutlinedWithShadow(benchmark::State& state) {
    drawText(state, "outlined", nullptr);
}

void BM_Picture2000Quads(benchmark::State& state) {
    Effect* quad = stage().demo.findEffect("quad");
    if (!quad) {
        state.SkipWithError("no picture effect (is there a display, and stockfx.so beside?)");
        return;
    }
    const double start = processorSeconds();
    for (auto _ : state) {
        for (int i = 0; i < kCharacters; ++i) {
            glViewport(i % 800, (i / 800) * 8, 8, 8);
            drawEffect(*quad);
        }
        glFinish();
    }
    report(state, start, &pictureSeconds);
}

BENCHMARK(BM_Text2000Characters)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Text2000CharactersOutlinedWithShadow)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Picture2000Quads)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (textSeconds > 0.0 && pictureSeconds > 0.0)
        std::printf("text over picture, processor time per frame of 2000: %.2f\n",
                    textSeconds / pictureSeconds);
    return 0;
}
