// Feeds arbitrary bytes to the GIF probe and reader, then touches the end of every frame.
#include "image/gif/FormatGIF.h"
#include "io/MemoryStream.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    MemoryStream stream(data, static_cast<uint32_t>(size));
    cFormatGIF::probe(&stream);
    cFormatGIF image;
    if (image.load(&stream) != 0) return 0;
    volatile uint8_t sink = 0;
    for (int i = 0; i < image.frameCount(); ++i) {
        const GifFrame& frame = image.frame(i);
        if (frame.indices) sink = frame.indices[frame.width * frame.height - 1];
    }
    (void)sink;
    return 0;
}
