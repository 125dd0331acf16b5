// The frame step of a full demo: 48 null effects in the draw order and 4096 events,
// without the pacing of present(), in normal play and while seeking. The peer is the bare work the
// step cannot avoid: the same 48 effects updated and drawn through their virtual operations, with a
// viewport each, in a plain loop. The ratio of the two is the step's own overhead.
#include "demo/Demo.h"
#include "demo/ProcessSettings.h"
#include "io/MemoryStream.h"
#include "log/Log.h"
#include "script/ScriptDocument.h"
#include <vornex/Effect.h>

#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <string>

namespace {

class NullEffect : public Effect {};

std::string frameScript() {
    std::string script = "<demo><draworder";
    for (uint32_t i = 0; i < Demo::kMaxEffects; ++i)
        script += " effect=\"e" + std::to_string(i) + '"';
    script += "/>";
    // Events beyond the run: the forward pass looks at the next one every frame.
    for (uint32_t i = 0; i < EventTable::kCapacity; ++i)
        script += "<event time=\"" + std::to_string(1000000 + i) + "\"/>";
    return script + "</demo>";
}

// Where the steps go back to 0: far before the first event, at 1000000 s.
constexpr double kRewindSeconds = 1000.0;

// Normal play, or a fast-forward seek, whose event pass looks at every event each frame.
void runFrameSteps(benchmark::State& state, bool seeking) {
    Log::instance().setEnabled(false);
    const std::string script = frameScript();
    ScriptDocument document;
    MemoryStream stream(script.c_str(), static_cast<uint32_t>(script.size()));
    document.parseElements(document, stream);
    Demo demo;
    for (uint32_t i = 0; i < Demo::kMaxEffects; ++i)
        demo.adoptEffect(new NullEffect, "null", ("e" + std::to_string(i)).c_str());
    demo.walk(document.children[0]);
    if (seeking) {
        processSettings().vhs = true;
        demo.mouseDown(0);
    }
    for (auto _ : state) {
        demo.step(1.6f);
        // The events stay ahead; the rewind is rare and left out of the measure.
        if (demo.exactTime() > kRewindSeconds) {
            state.PauseTiming();
            demo.jumpTo(0.0);
            state.ResumeTiming();
        }
    }
    state.counters["effects"] = demo.drawOrder().count();
    state.counters["events"] = demo.events().count();
}

void BM_DemoFrameStep(benchmark::State& state) {
    runFrameSteps(state, false);
}

void BM_DemoSeekingFrameStep(benchmark::State& state) {
    runFrameSteps(state, true);
}

void BM_PeerBareEffectCalls(benchmark::State& state) {
    Effect* effects[Demo::kMaxEffects];
    for (Effect*& effect : effects) effect = new NullEffect;
    for (auto _ : state) {
        for (Effect* effect : effects) {
            benchmark::DoNotOptimize(effect);
            effect->update(1.6f);
            glViewport(0, 0, 640, 480);
            effect->draw();
        }
    }
    for (Effect* effect : effects) delete effect;
}

} // namespace

BENCHMARK(BM_DemoFrameStep);
BENCHMARK(BM_DemoSeekingFrameStep);
BENCHMARK(BM_PeerBareEffectCalls);
BENCHMARK_MAIN();
