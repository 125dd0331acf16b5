// Feeds arbitrary bytes through the whole format dispatch, every reader in probe order.
#include "image/ReadImage.h"
#include "io/MemoryStream.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    MemoryStream stream(data, static_cast<uint32_t>(size));
    delete readImage(&stream);
    return 0;
}
