// The cost of mixing music: one 512-frame block through the mixer (module, and OGG
// resampled from 22050 Hz), against the decoding libraries called directly for the same
// sound. The ratio is the mixer's and resampler's overhead; frames per second over 44100
// is how many times faster than real time a block is made.
#include "audio/Mixer.h"
#include "audio/MusicFormat.h"

#include <benchmark/benchmark.h>
#include <libopenmpt/libopenmpt.h>
#include <sndfile.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {
constexpr uint32_t kRate = 44100;
constexpr uint32_t kFrames = MusicDecoder::kBlockFrames;

const std::filesystem::path kFolder = std::filesystem::temp_directory_path() / "vornex-audio-bench";

std::vector<uint8_t> readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A 30.72 s module from the project's writer and a 30 s mono OGG at 22050 Hz.
const std::vector<uint8_t>& moduleBytes() {
    static const std::vector<uint8_t> bytes = [] {
        std::filesystem::create_directories(kFolder);
        const std::filesystem::path tool =
            std::filesystem::path(__FILE__).parent_path().parent_path() / "tools/make_module.py";
        const std::string command =
            "python3 '" + tool.string() + "' '" + (kFolder / "tune.mod").string() + "'";
        if (std::system(command.c_str()) != 0) return std::vector<uint8_t>();
        return readBytes(kFolder / "tune.mod");
    }();
    return bytes;
}

const std::vector<uint8_t>& oggBytes() {
    static const std::vector<uint8_t> bytes = [] {
        std::filesystem::create_directories(kFolder);
        const std::string path = (kFolder / "tone.ogg").string();
        SF_INFO info{};
        info.samplerate = 22050;
        info.channels = 1;
        info.format = SF_FORMAT_OGG | SF_FORMAT_VORBIS;
        SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
        std::vector<float> samples(22050 * 30);
        for (size_t i = 0; i < samples.size(); ++i)
            samples[i] = float(0.25 * std::sin(0.125 * double(i)));
        sf_writef_float(file, samples.data(), sf_count_t(samples.size()));
        sf_close(file);
        return readBytes(path);
    }();
    return bytes;
}

void mixMusic(benchmark::State& state, MusicFormat format, const std::vector<uint8_t>& bytes) {
    char error[256];
    MusicDecoder* decoder =
        openMusicDecoder(format, bytes.data(), uint32_t(bytes.size()), error, sizeof error);
    if (!decoder) {
        state.SkipWithError(error);
        return;
    }
    Mixer mixer;
    Mixer::Music* music = mixer.find(mixer.add(decoder, nullptr, format));
    music->playing = true;
    std::vector<float> out(2 * kFrames);
    for (auto _ : state) {
        mixer.mix(out.data(), kFrames);
        if (!music->playing) {
            decoder->seek(0.0, kRate);
            music->playing = true;
        }
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * kFrames);
    Mixer::Music taken;
    mixer.takeAny(taken);
    delete taken.decoder;
}

void BM_MixerModule(benchmark::State& state) {
    mixMusic(state, MusicFormat::Module, moduleBytes());
}

void BM_OpenmptDirect(benchmark::State& state) {
    const std::vector<uint8_t>& bytes = moduleBytes();
    openmpt_module* module = openmpt_module_create_from_memory2(
        bytes.data(), bytes.size(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    std::vector<float> out(2 * kFrames);
    for (auto _ : state) {
        if (openmpt_module_read_interleaved_float_stereo(module, kRate, kFrames, out.data()) <
            kFrames)
            openmpt_module_set_position_seconds(module, 0.0);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * kFrames);
    openmpt_module_destroy(module);
}

void BM_MixerOgg(benchmark::State& state) {
    mixMusic(state, MusicFormat::Sampled, oggBytes());
}

// Half as many source frames: the same stretch of sound at 22050 Hz, without resampling.
void BM_SndfileDirect(benchmark::State& state) {
    const std::string path = (kFolder / "tone.ogg").string();
    oggBytes();
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    std::vector<float> out(kFrames);
    for (auto _ : state) {
        if (sf_readf_float(file, out.data(), kFrames / 2) < kFrames / 2) sf_seek(file, 0, SEEK_SET);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * kFrames);
    sf_close(file);
}
} // namespace

BENCHMARK(BM_MixerModule);
BENCHMARK(BM_OpenmptDirect);
BENCHMARK(BM_MixerOgg);
BENCHMARK(BM_SndfileDirect);
BENCHMARK_MAIN();
