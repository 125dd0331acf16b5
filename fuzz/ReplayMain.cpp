// Runs a fuzz target over every file of the folders (or files) named on the command line,
// so seed corpora and kept crash inputs run as ordinary tests without libFuzzer. Each seed
// also runs cut short (SeedCuts.h). With --cut=FILE a seed runs at fewer cut lengths, and
// also at those FILE names for it, a line "seed length" each: a minimised corpus lists the
// cuts that reach code no whole seed and no shorter cut does.
//
// With --golden=FILE, a target that defines fuzzSeedOutcome (the image readers) has what
// each whole seed decodes to compared with the table in FILE: one line per seed, "name
// result width height bitsPerPixel pixelHash", sorted by name. A difference fails the run
// and prints both lines. VORNEX_UPDATE_GOLDEN=1 writes the table instead: do that when a
// reader's results change on purpose, and commit the diff.
#include "SeedCuts.h"
#include "SeedOutcome.h"

#include <algorithm>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
// Only the image targets define it.
__attribute__((weak)) SeedOutcome fuzzSeedOutcome(const uint8_t* data, size_t size);

namespace {
constexpr char kGoldenOption[] = "--golden=";
constexpr char kCutOption[] = "--cut=";

using GoldenTable = std::map<std::string, std::string>; // seed name -> its line

std::vector<uint8_t> readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
}

std::string outcomeLine(const std::string& name, const std::vector<uint8_t>& bytes) {
    const SeedOutcome outcome = fuzzSeedOutcome(bytes.data(), bytes.size());
    char line[256];
    std::snprintf(line, sizeof line, "%s %d %d %d %u %016" PRIx64, name.c_str(), outcome.result,
                  outcome.width, outcome.height, outcome.bitsPerPixel, outcome.pixelHash);
    return line;
}

using CutTable = std::map<std::string, std::vector<size_t>>; // seed name -> its cut lengths

CutTable readCuts(const char* path) {
    CutTable cuts;
    std::ifstream in(path);
    std::string name;
    size_t length;
    while (in >> name >> length) cuts[name].push_back(length);
    return cuts;
}

// The seed whole and at kSweepCuts cuts, then cut at each length listed; false when one is
// not shorter than the seed.
bool runListedCuts(const std::vector<uint8_t>& bytes, const std::vector<size_t>& lengths,
                   size_t& runs) {
    runs += runWholeAndCut(bytes.data(), bytes.size(), LLVMFuzzerTestOneInput, kSweepCuts);
    for (const size_t length : lengths) {
        if (length >= bytes.size()) return false;
        const std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + long(length));
        LLVMFuzzerTestOneInput(cut.data(), cut.size());
        ++runs;
    }
    return true;
}

GoldenTable readGolden(const std::string& path) {
    GoldenTable table;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty()) continue;
        table[line.substr(0, line.find(' '))] = line;
    }
    return table;
}

// 0 when the tables agree; prints every difference.
int compareGolden(const GoldenTable& expected, const GoldenTable& actual, const char* path) {
    int differences = 0;
    for (const auto& [name, line] : expected) {
        const auto found = actual.find(name);
        if (found == actual.end()) {
            std::printf("golden %s: seed %s is gone\n", path, name.c_str());
            ++differences;
        } else if (found->second != line) {
            std::printf("golden %s:\n  was %s\n  now %s\n", path, line.c_str(),
                        found->second.c_str());
            ++differences;
        }
    }
    for (const auto& [name, line] : actual) {
        if (expected.count(name)) continue;
        std::printf("golden %s: new seed %s\n", path, line.c_str());
        ++differences;
    }
    if (differences)
        std::printf("%d differences; VORNEX_UPDATE_GOLDEN=1 rewrites the table when they are "
                    "meant\n",
                    differences);
    return differences ? 1 : 0;
}
} // namespace

int main(int argc, char** argv) {
    const char* goldenPath = nullptr;
    const char* cutPath = nullptr;
    // Each seed with its name in the table: its path below the folder named.
    std::vector<std::pair<std::filesystem::path, std::string>> seeds;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], kGoldenOption, sizeof kGoldenOption - 1) == 0) {
            goldenPath = argv[i] + sizeof kGoldenOption - 1;
            continue;
        }
        if (std::strncmp(argv[i], kCutOption, sizeof kCutOption - 1) == 0) {
            cutPath = argv[i] + sizeof kCutOption - 1;
            continue;
        }
        const std::filesystem::path path(argv[i]);
        if (std::filesystem::is_directory(path)) {
            for (const auto& entry : std::filesystem::recursive_directory_iterator(path))
                if (entry.is_regular_file())
                    seeds.emplace_back(entry.path(),
                                       entry.path().lexically_relative(path).string());
        } else if (std::filesystem::exists(path)) {
            seeds.emplace_back(path, path.filename().string());
        }
    }
    std::sort(seeds.begin(), seeds.end());
    const bool golden = goldenPath && fuzzSeedOutcome;
    CutTable cuts = cutPath ? readCuts(cutPath) : CutTable();
    GoldenTable actual;
    size_t runs = 0;
    for (const auto& [path, name] : seeds) {
        const std::vector<uint8_t> bytes = readBytes(path);
        if (!cutPath) {
            runs += runWholeAndCut(bytes.data(), bytes.size(), LLVMFuzzerTestOneInput);
        } else {
            const auto listed = cuts.find(name);
            const std::vector<size_t> none;
            const std::vector<size_t>& lengths = listed == cuts.end() ? none : listed->second;
            if (!runListedCuts(bytes, lengths, runs)) {
                std::printf("%s: %s is too short for a cut listed\n", cutPath, name.c_str());
                return 1;
            }
            if (listed != cuts.end()) cuts.erase(listed);
        }
        if (golden) actual[name] = outcomeLine(name, bytes);
    }
    std::printf("replayed %zu files in %zu runs (whole and cut short)\n", seeds.size(), runs);
    if (!cuts.empty()) {
        std::printf("%s names %s and %zu more seeds that are not there\n", cutPath,
                    cuts.begin()->first.c_str(), cuts.size() - 1);
        return 1;
    }
    if (!golden) return 0;
    const char* update = std::getenv("VORNEX_UPDATE_GOLDEN");
    if (update && std::strcmp(update, "1") == 0) {
        std::ofstream out(goldenPath);
        for (const auto& entry : actual) out << entry.second << '\n';
        std::printf("wrote %zu lines to %s\n", actual.size(), goldenPath);
        return out ? 0 : 1;
    }
    if (!std::filesystem::exists(goldenPath)) {
        std::printf("no golden table %s; VORNEX_UPDATE_GOLDEN=1 writes it\n", goldenPath);
        return 1;
    }
    return compareGolden(readGolden(goldenPath), actual, goldenPath);
}
