// Feeds arbitrary bytes to the TGA probe and reader.
#include "FormatFuzzer.h"
#include "image/FormatTGA.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzzFormat<cFormatTGA>(data, size);
}

VORNEX_SEED_OUTCOME(cFormatTGA)
