// Feeds arbitrary bytes to the BMP probe and reader.
#include "FormatFuzzer.h"
#include "image/FormatBMP.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzzFormat<cFormatBMP>(data, size);
}

VORNEX_SEED_OUTCOME(cFormatBMP)
