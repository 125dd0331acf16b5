// Decoding a JPEG from memory to the final image (bottom row first, B, G, R): the player's
// reader on one thread next to libjpeg-turbo (default settings: slow integer transform with
// fancy upsampling; and the slow integer transform with replicated chroma, the same work as
// ours) and stb_image (RGB top-down, then turned into the same layout). Pictures are made and
// encoded with libjpeg at start-up, at quality 90. Every decoder writes a fresh image: the
// peers into one from new[], as a program would hand them; libjpegSameMemory into one from
// the player's own allocator (huge pages where the system has them), so that its column
// compares the decoders alone, without the cost of faulting in the image.
// After the runs a table gives each peer's CPU time over ours (above 1: we are faster),
// from the medians when repetitions are asked for, from the single runs otherwise. A last
// table gives the decoder's speed-up on two threads.
#include "image/ZeroedMemory.h"
#include "image/jpeg/FormatJPEG.h"
#include "image/jpeg/JpegDecoder.h"
#include "image/jpeg/JpegParallelRows.h"
#include "image/jpeg/MemoryJpegSource.h"
#include "io/MemoryStream.h"
#include "tests/support/LibjpegEncoder.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <jpeglib.h>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_JPEG
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include <stb_image.h>
#pragma GCC diagnostic pop

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace {
using Bytes = std::vector<uint8_t>;

enum Layout { k420 = 0, k444 = 1, kProgressive420 = 2, kRestart420 = 3 };
const char* const kLayoutNames[] = {"4:2:0", "4:4:4", "progressive 4:2:0", "restarts 4:2:0"};

// Soft shading, a few hard edges, fine texture and sensor-like noise.
Bytes photo(int size) {
    Bytes rgb(size_t(size) * size * 3);
    uint32_t noise = 1;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            noise = noise * 1664525u + 1013904223u;
            const double u = double(x) / size, v = double(y) / size;
            const double shade = 0.5 + 0.4 * std::sin(6.0 * u + 3.0 * v) * std::cos(4.0 * v);
            const double texture = 0.08 * std::sin(x * 0.7) * std::sin(y * 0.9);
            const bool inside = (u - 0.6) * (u - 0.6) + (v - 0.4) * (v - 0.4) < 0.04;
            const int grain = int(noise >> 28) - 8;
            const double base = inside ? 0.85 - shade * 0.3 : shade;
            uint8_t* p = &rgb[(size_t(y) * size + x) * 3];
            p[0] =
                uint8_t(std::lround(std::fmin(255, std::fmax(0, 255 * (base + texture) + grain))));
            p[1] = uint8_t(
                std::lround(std::fmin(255, std::fmax(0, 200 * base * (1 - v) + 30 + grain))));
            p[2] = uint8_t(std::lround(std::fmin(255, std::fmax(0, 255 * (1 - base) * u + grain))));
        }
    }
    return rgb;
}

Bytes encode(int size, Layout layout) {
    const Bytes rgb = photo(size);
    LibjpegSettings settings;
    settings.width = size;
    settings.height = size;
    settings.sampling[0] = layout == k444 ? 1 : 2;
    settings.progressive = layout == kProgressive420;
    settings.restartRows = layout == kRestart420 ? 1 : 0;
    return libjpegEncode(rgb.data(), settings);
}

const Bytes& file(int size, Layout layout) {
    static std::map<std::pair<int, int>, Bytes> files;
    Bytes& bytes = files[{size, layout}];
    if (bytes.empty()) bytes = encode(size, layout);
    return bytes;
}

void countPixels(benchmark::State& state, int size) {
    state.counters["MP/s"] = benchmark::Counter(double(size) * size * 1e-6 * state.iterations(),
                                                benchmark::Counter::kIsRate);
}

void vornex(benchmark::State& state) {
    const int size = int(state.range(0));
    const Bytes& bytes = file(size, Layout(state.range(1)));
    for (auto _ : state) {
        MemoryStream stream(bytes.data(), uint32_t(bytes.size()));
        cFormatJPEG image;
        image.setTwoThreads(false);
        if (image.load(&stream) != 0) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(image.pixels(0));
    }
    countPixels(state, size);
}

// The decoder on one thread or two (the third argument), into a fresh image as the reader
// makes: progressive files transformed in two halves at once, files with a restart marker
// before every MCU row read in two parts at once.
void vornexThreads(benchmark::State& state) {
    const int size = int(state.range(0));
    const Bytes& bytes = file(size, Layout(state.range(1)));
    const bool twoThreads = state.range(2) > 1;
    const size_t rowBytes = size_t(size) * 3;
    for (auto _ : state) {
        std::unique_ptr<uint8_t, void (*)(uint8_t*)> image(
            static_cast<uint8_t*>(allocateZeroed(rowBytes * size)),
            [](uint8_t* p) { std::free(p); });
        MemoryJpegSource source(bytes.data(), uint32_t(bytes.size()));
        JpegDecoder decoder(&source, true);
        if (decoder.begin() != 0) state.SkipWithError("begin failed");
        const JpegRowsRead read =
            readJpegRowsBgr(decoder, bytes.data(), uint32_t(bytes.size()),
                            image.get() + rowBytes * (size - 1), -ptrdiff_t(rowBytes), twoThreads);
        if (read.rows != size) state.SkipWithError("rows failed");
        benchmark::DoNotOptimize(image.get());
    }
    countPixels(state, size);
}

enum class Memory { New, Players };

void libjpeg(benchmark::State& state, bool sameWork, Memory memory) {
    const int size = int(state.range(0));
    const Bytes& bytes = file(size, Layout(state.range(1)));
    const size_t imageBytes = size_t(size) * size * 3;
    for (auto _ : state) {
        // A fresh image each time, as every reader hands out its own.
        std::unique_ptr<uint8_t, void (*)(uint8_t*)> image(
            memory == Memory::New ? new uint8_t[imageBytes]
                                  : static_cast<uint8_t*>(allocateZeroed(imageBytes)),
            memory == Memory::New ? [](uint8_t* p) { delete[] p; }
                                  : [](uint8_t* p) { std::free(p); });
        jpeg_decompress_struct info;
        jpeg_error_mgr errors;
        info.err = jpeg_std_error(&errors);
        jpeg_create_decompress(&info);
        jpeg_mem_src(&info, bytes.data(), (unsigned long)bytes.size());
        jpeg_read_header(&info, TRUE);
        info.out_color_space = JCS_EXT_BGR;
        if (sameWork) {
            info.dct_method = JDCT_ISLOW;
            info.do_fancy_upsampling = FALSE;
        }
        jpeg_start_decompress(&info);
        while (info.output_scanline < info.output_height) {
            JSAMPROW row = image.get() + size_t(size - 1 - info.output_scanline) * size * 3;
            jpeg_read_scanlines(&info, &row, 1);
        }
        jpeg_finish_decompress(&info);
        jpeg_destroy_decompress(&info);
        benchmark::DoNotOptimize(image.get());
    }
    countPixels(state, size);
}

void libjpegDefault(benchmark::State& state) {
    libjpeg(state, false, Memory::New);
}

void libjpegSameMemory(benchmark::State& state) {
    libjpeg(state, false, Memory::Players);
}

void libjpegSlowInteger(benchmark::State& state) {
    libjpeg(state, true, Memory::New);
}

void stbImage(benchmark::State& state) {
    const int size = int(state.range(0));
    const Bytes& bytes = file(size, Layout(state.range(1)));
    for (auto _ : state) {
        std::unique_ptr<uint8_t[]> image(new uint8_t[size_t(size) * size * 3]);
        int width = 0, height = 0, channels = 0;
        uint8_t* rgb =
            stbi_load_from_memory(bytes.data(), int(bytes.size()), &width, &height, &channels, 3);
        if (!rgb) state.SkipWithError("stb_image failed");
        for (int y = 0; rgb && y < height; ++y) {
            const uint8_t* in = rgb + size_t(y) * width * 3;
            uint8_t* out = &image[size_t(height - 1 - y) * width * 3];
            for (int x = 0; x < width * 3; x += 3) {
                out[x] = in[x + 2];
                out[x + 1] = in[x + 1];
                out[x + 2] = in[x];
            }
        }
        stbi_image_free(rgb);
        benchmark::DoNotOptimize(image.get());
    }
    countPixels(state, size);
}

void arguments(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgNames({"size", "layout"});
    for (int size : {1024, 4096})
        for (int layout : {k420, k444, kProgressive420}) benchmark->Args({size, layout});
    benchmark->Unit(benchmark::kMillisecond);
    // Until the allocator has settled its thresholds, the first runs of a process pay for
    // fresh pages.
    benchmark->MinWarmUpTime(0.1);
}

// The console report, keeping each benchmark's CPU time per argument set.
class RatioReporter : public benchmark::ConsoleReporter {
    static constexpr const char* kPeers[] = {"libjpegDefault", "libjpegSameMemory",
                                             "libjpegSlowInteger", "stbImage"};

public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Iteration && run.repetitions > 1) continue;
            if (run.run_type == Run::RT_Aggregate && !median) continue;
            if (run.run_name.function_name == "vornexThreads")
                threadTimes_[argumentsOf(run.run_name.args)] = run.GetAdjustedRealTime();
            else
                times_[run.run_name.args][run.run_name.function_name] = run.GetAdjustedCPUTime();
        }
    }

    // Wall time, as the threads share the work.
    void printThreadSpeedUps() const {
        std::printf("\nWall time of the decoder on one thread / on more (above 1.00: faster)\n");
        for (const auto& [args, time] : threadTimes_) {
            const auto [size, layout, threads] = args;
            const auto single = threadTimes_.find({size, layout, 1});
            if (threads == 1 || single == threadTimes_.end()) continue;
            std::printf("%4d %-17s %d threads: %.2f\n", size, kLayoutNames[layout], threads,
                        single->second / time);
        }
    }

    void printRatios() const {
        std::printf("\nCPU time of the peer / CPU time of vornex (above 1.00: vornex is faster)\n");
        std::printf("%-22s", "picture");
        for (const char* peer : kPeers) std::printf(" %10s", peer);
        std::printf("\n");
        for (const auto& [args, times] : times_) {
            const auto ours = times.find("vornex");
            if (ours == times.end()) continue;
            int size = 0, layout = 0;
            std::sscanf(args.c_str(), "size:%d/layout:%d", &size, &layout);
            std::printf("%4d %-17s", size, kLayoutNames[layout]);
            for (const char* peer : kPeers) {
                const auto theirs = times.find(peer);
                const int width = int(std::strlen(peer)) < 10 ? 10 : int(std::strlen(peer));
                if (theirs == times.end())
                    std::printf(" %*s", width, "-");
                else
                    std::printf(" %*.2f", width, theirs->second / ours->second);
            }
            std::printf("\n");
        }
    }

private:
    std::map<std::string, std::map<std::string, double>> times_;
    using Arguments = std::tuple<int, int, int>; // size, layout, threads

    static Arguments argumentsOf(const std::string& args) {
        int size = 0, layout = 0, threads = 0;
        std::sscanf(args.c_str(), "size:%d/layout:%d/threads:%d", &size, &layout, &threads);
        return {size, layout, threads};
    }

    std::map<Arguments, double> threadTimes_;
};
} // namespace

BENCHMARK(vornex)->Apply(arguments);
BENCHMARK(vornexThreads)
    ->ArgNames({"size", "layout", "threads"})
    ->ArgsProduct({{1024, 4096}, {kProgressive420, kRestart420}, {1, 2}})
    ->Unit(benchmark::kMillisecond)
    ->MinWarmUpTime(0.1)
    ->UseRealTime();
BENCHMARK(libjpegSlowInteger)->Apply(arguments);
BENCHMARK(libjpegDefault)->Apply(arguments);
BENCHMARK(libjpegSameMemory)->Apply(arguments);
BENCHMARK(stbImage)->Apply(arguments);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    reporter.printThreadSpeedUps();
    benchmark::Shutdown();
    return 0;
}
