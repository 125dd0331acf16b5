// Feeds arbitrary bytes through the whole format dispatch, every reader in probe order, as
// a plugin's image and as a texture's (a GIF drawn on its screen), touching the last pixel.
#include "FormatFuzzer.h"
#include "image/ReadImage.h"
#include "io/MemoryStream.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    MemoryStream stream(data, static_cast<uint32_t>(size));
    delete readImage(&stream);
    stream.seek(0, Stream::kSet);
    if (cFormat* image = readTextureImage(&stream)) {
        volatile uint8_t sink = 0;
        if (const uint8_t* pixels = image->pixels(0))
            sink = pixels[(image->bitsPerPixel() / 8) * image->width() * image->height() - 1];
        (void)sink;
        delete image;
    }
    return 0;
}

SeedOutcome fuzzSeedOutcome(const uint8_t* data, size_t size) {
    MemoryStream stream(data, static_cast<uint32_t>(size));
    cFormat* image = readImage(&stream);
    const SeedOutcome outcome = describeImage(image, image ? 0 : -1);
    delete image;
    return outcome;
}
