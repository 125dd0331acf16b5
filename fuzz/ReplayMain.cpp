// Runs a fuzz target over every file of the folders (or files) named on the command line,
// so seed corpora and kept crash inputs run as ordinary tests without libFuzzer. Each seed
// also runs cut short at up to kMaxCuts evenly spaced lengths: truncated files are the
// commonest bad input.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {
constexpr size_t kMaxCuts = 512;

size_t replayFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                     std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    const size_t step = std::max<size_t>(1, bytes.size() / kMaxCuts);
    size_t runs = 1;
    for (size_t length = 0; length < bytes.size(); length += step, ++runs) {
        // A copy of exactly `length` bytes, so reading past the cut is caught.
        const std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + length);
        LLVMFuzzerTestOneInput(cut.data(), cut.size());
    }
    return runs;
}
} // namespace

int main(int argc, char** argv) {
    size_t files = 0, runs = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path path(argv[i]);
        if (std::filesystem::is_directory(path)) {
            for (const auto& entry : std::filesystem::recursive_directory_iterator(path)) {
                if (!entry.is_regular_file()) continue;
                runs += replayFile(entry.path());
                ++files;
            }
        } else if (std::filesystem::exists(path)) {
            runs += replayFile(path);
            ++files;
        }
    }
    std::printf("replayed %zu files in %zu runs (whole and cut short)\n", files, runs);
    return 0;
}
