// Music files made by the audio tests: modules from tools/make_module.py, sampled sound
// written with libsndfile.
#pragma once

#include <sndfile.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

// Writes `frames` frames of `channels` interleaved samples; false when libsndfile cannot
// write that format here.
inline bool writeSound(const std::string& path, int format, int rate, int channels,
                       const std::vector<float>& samples) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format;
    if (!sf_format_check(&info)) return false;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file) return false;
    const sf_count_t frames = sf_count_t(samples.size()) / channels;
    const bool written = sf_writef_float(file, samples.data(), frames) == frames;
    sf_close(file);
    return written;
}

// A quiet sine, `seconds` long.
inline std::vector<float> sine(int rate, int channels, double seconds, double frequency) {
    std::vector<float> samples;
    const int frames = int(seconds * rate);
    for (int i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            samples.push_back(float(0.25 * std::sin(6.283185307179586 * frequency * i / rate)));
    return samples;
}

// 7.68 seconds per pattern. Under Wine no Python runs: the build made the modules the
// tests use beside the test programs.
inline bool writeModule(const std::string& path, int patterns) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
#ifdef _WIN32
    std::error_code error;
    std::filesystem::copy_file(VORNEX_BIN_DIR "/test-module-" + std::to_string(patterns) + ".mod",
                               path, std::filesystem::copy_options::overwrite_existing, error);
    return !error;
#else
    const std::string command = "python3 '" VORNEX_SOURCE_DIR "/tools/make_module.py' '" + path +
                                "' --patterns " + std::to_string(patterns);
    return std::system(command.c_str()) == 0;
#endif
}
