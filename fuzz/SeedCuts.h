// How a seed is run: whole, then cut short at up to `cuts` evenly spaced lengths from 0, each
// cut a copy of exactly that many bytes, so reading past it is caught. Truncated files are
// the commonest bad input. The replay of a whole corpus (ReplayMain.cpp) and the <Name>Cuts
// programs libFuzzer's merge minimises with (WholeAndCut.cpp) take kMaxCuts; the replay of
// a minimised corpus takes kSweepCuts, for the reads past the end that take no branch of
// their own, besides the cuts it lists.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

constexpr size_t kMaxCuts = 512;
constexpr size_t kSweepCuts = 16;

// Calls run(data, size) for the whole input and for each cut; returns how many runs that was.
template <typename Run>
size_t runWholeAndCut(const uint8_t* data, size_t size, Run run, size_t cuts = kMaxCuts) {
    run(data, size);
    const size_t step = std::max<size_t>(1, size / cuts);
    size_t runs = 1;
    for (size_t length = 0; length < size; length += step, ++runs) {
        const std::vector<uint8_t> cut(data, data + length);
        run(cut.data(), cut.size());
    }
    return runs;
}
