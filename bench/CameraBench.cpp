// updateCameras over 1000 cameras of 64 keys each, looping so that the eased time keeps
// crossing segments. Reported per camera update; "allocations" counts heap allocations
// made inside the timed loop (must stay 0). The peer is a floor: copying one key into each
// camera's fields, the memory traffic any update has to pay.
#include "camera/CameraList.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

namespace {
std::atomic<long> allocationCount{0};

constexpr int kCameraCount = 1000;
constexpr float kKeySpacing = 10.0f;

void fill(CameraList& cameras) {
    for (int c = 0; c < kCameraCount; ++c) {
        Camera* camera = cameras.createCamera(("camera" + std::to_string(c)).c_str());
        for (int k = 0; k < Camera::kMaxKeys; ++k) {
            CameraKey& key = camera->keys[k];
            const float x = static_cast<float>(k + c);
            key.t = kKeySpacing * k;
            key.pos = {x, x * 0.5f, -x};
            key.rot = {x * 3.0f, 0.0f, x};
            key.lookat = {0.0f, x, 1.0f};
            key.viewport = {0.0f, 0.0f, 1.0f, 1.0f};
            key.fov = 40.0f + static_cast<float>(k % 7);
        }
        camera->keyCount = Camera::kMaxKeys;
        camera->pathLength = kKeySpacing * (Camera::kMaxKeys - 1);
        camera->loopMode = 1;
        camera->loopend = camera->pathLength;
        camera->pathTime = static_cast<float>(c % 600); // cameras at different places
    }
}

// step: frame step in hundredths of a second; 10 crosses a segment on most updates in the
// middle of the path, 1.667 is a 60 Hz frame.
void updateCameras(benchmark::State& state) {
    const float step = static_cast<float>(state.range(0)) / 1000.0f;
    CameraList cameras;
    fill(cameras);
    long segmentChanges = 0;
    long updates = 0;
    const long allocationsBefore = allocationCount.load();
    for (auto _ : state) {
        const int before = cameras.at(0)->segment;
        cameras.updateCameras(step);
        segmentChanges += cameras.at(0)->segment != before;
        ++updates;
        benchmark::DoNotOptimize(cameras.at(kCameraCount - 1)->pos);
    }
    state.counters["allocations"] = static_cast<double>(allocationCount.load() - allocationsBefore);
    state.counters["segmentChangeRate"] =
        updates ? static_cast<double>(segmentChanges) / static_cast<double>(updates) : 0.0;
    state.SetItemsProcessed(state.iterations() * kCameraCount);
}

void copyKeyFloor(benchmark::State& state) {
    CameraList cameras;
    fill(cameras);
    int k = 0;
    for (auto _ : state) {
        k = (k + 1) % Camera::kMaxKeys;
        for (int c = 0; c < kCameraCount; ++c) {
            Camera& camera = *cameras.at(c);
            const CameraKey& key = camera.keys[k];
            camera.pos = key.pos;
            camera.rot = key.rot;
            camera.lookat = key.lookat;
            camera.viewport = key.viewport;
            camera.fov = key.fov;
        }
        benchmark::DoNotOptimize(cameras.at(kCameraCount - 1)->pos);
    }
    state.SetItemsProcessed(state.iterations() * kCameraCount);
}
} // namespace

// Out of line, so the compiler never pairs the malloc inside with a delete elsewhere.
__attribute__((noinline)) void* operator new(size_t size) {
    ++allocationCount;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
__attribute__((noinline)) void operator delete(void* p) noexcept {
    std::free(p);
}
__attribute__((noinline)) void operator delete(void* p, size_t) noexcept {
    std::free(p);
}

BENCHMARK(updateCameras)->Arg(10000)->Arg(1667);
BENCHMARK(copyKeyFloor);
BENCHMARK_MAIN();
