// Feeds arbitrary bytes to the TGA probe and reader.
#include "image/FormatTGA.h"
#include "resource/MemoryStream.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    MemoryStream stream(data, static_cast<uint32_t>(size));
    cFormatTGA::probe(&stream);
    cFormatTGA image;
    if (image.load(&stream) == 0) {
        volatile uint8_t sink = 0;
        if (const uint8_t* pixels = image.pixels(0))
            sink = pixels[(image.bitsPerPixel() / 8) * image.width() * image.height() - 1];
        (void)sink;
    }
    return 0;
}
