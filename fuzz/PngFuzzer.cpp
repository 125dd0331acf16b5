// Feeds arbitrary bytes to the PNG probe and reader.
#include "FormatFuzzer.h"
#include "image/FormatPNG.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzzFormat<cFormatPNG>(data, size);
}

VORNEX_SEED_OUTCOME(cFormatPNG)
