// A fuzz target run as the seed replay runs a seed: whole and cut short (SeedCuts.h). Built
// with VORNEX_FUZZ as <Name>Cuts, the target's own entry renamed fuzzWholeInput, so that
// libFuzzer's merge keeps every seed whose replay adds coverage, cut lengths included.
#include "SeedCuts.h"

#include <cstddef>
#include <cstdint>

extern "C" int fuzzWholeInput(const uint8_t* data, size_t size);

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    runWholeAndCut(data, size, fuzzWholeInput);
    return 0;
}
