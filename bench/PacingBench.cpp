// The wait at the end of a frame on the real tick counter: the player's present(), which
// sleeps and spins only through the last millisecond, against a busy wait on the counter,
// in the same run. Each frame first "draws": work of the given milliseconds of processor
// time. Reported per run: the frame times on the tick counter (14, 15, 16+ ms; "short"
// counts frames under 14 ms, which must stay 0) and the processor share (processor time
// over wall time) of the whole frame and of the wait alone; at the end, the wait's share
// against the busy wait's. On a loaded machine a busy wait gets less of a core than it
// asks for, and frames run long for both: read the figures on an idle one.
#include "demo/cDemo.h"
#include "platform/native/Native.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <map>

namespace {

using Clock = std::chrono::steady_clock;

double processorSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// Work of the given processor time, however long a busy machine makes it take.
void draw(int64_t milliseconds) {
    const double end = processorSeconds() + double(milliseconds) * 1e-3;
    while (processorSeconds() < end) {
    }
}

// The wait as it was: reading the counter until the minimum has passed.
void busyWaitPresent(cDemo& demo) {
    while (native::getTickCount() - demo.clock().pacingTick() < cDemo::kMinimumFrameMilliseconds) {
    }
    demo.clock().tick();
}

void sleepingPresent(cDemo& demo) {
    demo.present();
}

// Wait share per drawing time, of each kind of wait, for the closing ratio.
std::map<int64_t, double> sleepingShare;
std::map<int64_t, double> busyShare;

void pace(benchmark::State& state, void (*present)(cDemo&), std::map<int64_t, double>& shares) {
    const int64_t drawing = state.range(0);
    cDemo demo;
    present(demo); // the clock's first tick
    uint64_t shorter = 0, at14 = 0, at15 = 0, longer = 0;
    double drawn = 0.0;
    const double processorStart = processorSeconds();
    const Clock::time_point wallStart = Clock::now();
    for (auto _ : state) {
        const double drawStart = processorSeconds();
        draw(drawing);
        drawn += processorSeconds() - drawStart;
        present(demo);
        const uint32_t milliseconds = uint32_t(demo.clock().delta() * 10.0f + 0.5f);
        if (milliseconds < 14) ++shorter;
        if (milliseconds == 14) ++at14;
        if (milliseconds == 15) ++at15;
        if (milliseconds >= 16) ++longer;
    }
    const double wall = std::chrono::duration<double>(Clock::now() - wallStart).count();
    const double processor = processorSeconds() - processorStart;
    state.counters["short"] = double(shorter);
    state.counters["14ms"] = double(at14);
    state.counters["15ms"] = double(at15);
    state.counters["16+ms"] = double(longer);
    state.counters["cpu"] = processor / wall;
    state.counters["wait_cpu"] = (processor - drawn) / wall;
    shares[drawing] = (processor - drawn) / wall;
}

void sleeping(benchmark::State& state) {
    pace(state, sleepingPresent, sleepingShare);
}

void busyWait(benchmark::State& state) {
    pace(state, busyWaitPresent, busyShare);
}

void arguments(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgName("draw_ms")->Arg(0)->Arg(2)->Arg(8);
    benchmark->Iterations(300)->UseRealTime()->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(sleeping)->Apply(arguments);
BENCHMARK(busyWait)->Apply(arguments);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (const auto& [drawing, share] : sleepingShare) {
        const auto busy = busyShare.find(drawing);
        if (busy == busyShare.end() || busy->second <= 0.0) continue;
        std::printf("draw %2lld ms: processor share of the wait, sleeping / busy wait = %.3f\n",
                    static_cast<long long>(drawing), share / busy->second);
    }
    return 0;
}
