// The cost of the music analysis in one frame at 60 frames a second (735 samples of
// music): the analysis' own decoder reading on plus the one FFT and the values, against
// its peer, the mixer making the same frame's sound from the same module. The ratio is
// what the analysis adds to the sound's cost; the FFT alone is measured beside them.
#include "audio/Mixer.h"
#include "audio/MusicAnalyser.h"
#include "audio/MusicFormat.h"
#include "audio/MusicWindow.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {
constexpr uint32_t kFrameSamples = MusicAnalyser::kRate / 60;

const std::filesystem::path kFolder =
    std::filesystem::temp_directory_path() / "vornex-music-analysis-bench";

// A 30.72 s module from the project's writer.
const std::vector<uint8_t>& moduleBytes() {
    static const std::vector<uint8_t> bytes = [] {
        std::filesystem::create_directories(kFolder);
        const std::filesystem::path tool =
            std::filesystem::path(__FILE__).parent_path().parent_path() / "tools/make_module.py";
        const std::string command =
            "python3 '" + tool.string() + "' '" + (kFolder / "tune.mod").string() + "'";
        if (std::system(command.c_str()) != 0) return std::vector<uint8_t>();
        std::ifstream in(kFolder / "tune.mod", std::ios::binary);
        return std::vector<uint8_t>(std::istreambuf_iterator<char>(in),
                                    std::istreambuf_iterator<char>());
    }();
    return bytes;
}

MusicDecoder* openModule(benchmark::State& state) {
    const std::vector<uint8_t>& bytes = moduleBytes();
    char error[256] = "no module";
    MusicDecoder* decoder = bytes.empty()
                                ? nullptr
                                : openMusicDecoder(MusicFormat::Module, bytes.data(),
                                                   uint32_t(bytes.size()), error, sizeof error);
    if (!decoder) state.SkipWithError(error);
    return decoder;
}

void BM_MixerFrame(benchmark::State& state) {
    MusicDecoder* decoder = openModule(state);
    if (!decoder) return;
    Mixer mixer;
    Mixer::Music* music = mixer.find(mixer.add(decoder, nullptr, MusicFormat::Module));
    music->playing = true;
    std::vector<float> out(2 * kFrameSamples);
    for (auto _ : state) {
        mixer.mix(out.data(), kFrameSamples);
        if (!music->playing) {
            decoder->seek(0.0, MusicAnalyser::kRate);
            music->playing = true;
        }
        benchmark::DoNotOptimize(out.data());
    }
    Mixer::Music taken;
    mixer.takeAny(taken);
    delete taken.decoder;
}

void BM_AnalysisFrame(benchmark::State& state) {
    MusicDecoder* decoder = openModule(state);
    if (!decoder) return;
    const double length = decoder->length();
    MusicWindow window(decoder);
    MusicAnalyser analyser;
    const double step = double(kFrameSamples) / MusicAnalyser::kRate;
    double seconds = 0.0;
    for (auto _ : state) {
        analyser.analyse(window.read(seconds), step);
        seconds = seconds + step < length ? seconds + step : 0.0;
        benchmark::DoNotOptimize(analyser.spectrum());
    }
}

void BM_AnalyserAlone(benchmark::State& state) {
    std::vector<float> samples(MusicAnalyser::kWindow);
    for (size_t n = 0; n < samples.size(); ++n) samples[n] = float(0.5 * std::sin(0.05 * n));
    MusicAnalyser analyser;
    for (auto _ : state) {
        analyser.analyse(samples.data(), 1.0 / 60.0);
        benchmark::DoNotOptimize(analyser.spectrum());
    }
}
} // namespace

BENCHMARK(BM_MixerFrame);
BENCHMARK(BM_AnalysisFrame);
BENCHMARK(BM_AnalyserAlone);
BENCHMARK_MAIN();
