// The body shared by the fuzz targets of the single-format image readers: probe, load, and
// on success touch the last pixel byte, so a picture smaller than it claims is caught.
#pragma once

#include "io/MemoryStream.h"

#include <cstddef>
#include <cstdint>

template <typename Format> int fuzzFormat(const uint8_t* data, size_t size) {
    MemoryStream stream(data, static_cast<uint32_t>(size));
    Format::probe(&stream);
    Format image;
    if (image.load(&stream) == 0) {
        volatile uint8_t sink = 0;
        if (const uint8_t* pixels = image.pixels(0))
            sink = pixels[(image.bitsPerPixel() / 8) * image.width() * image.height() - 1];
        (void)sink;
    }
    return 0;
}
