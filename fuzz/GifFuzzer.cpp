// Feeds arbitrary bytes to the GIF probe and reader, touches the end of every frame, then
// draws the first frame on the screen as a texture would and touches its last pixel.
#include "FormatFuzzer.h"
#include "image/gif/FormatGIF.h"
#include "image/gif/GifScreenImage.h"
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
    GifScreenImage screen;
    if (screen.compose(image) == 0)
        sink = screen.pixels(0)[4 * screen.width() * screen.height() - 1];
    (void)sink;
    return 0;
}

VORNEX_SEED_OUTCOME(cFormatGIF)
