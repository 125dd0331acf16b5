// The picture a GIF shows as a texture: its first frame drawn on the logical screen, 32-bit
// BGRA, bottom row first. Screen pixels the frame does not cover, pixels its coded data did
// not reach and pixels of its transparent index are transparent black; interlaced rows are
// put in picture order. Later frames are not drawn: a texture holds one still picture.
#pragma once

#include <vornex/Image.h>

class cFormatGIF;

class GifScreenImage : public cFormat {
public:
    // Same bound as one decoded frame: a forged screen size cannot ask for gigabytes.
    static constexpr uint32_t kMaxScreenPixels = 4096 * 4096;

    // Reads a GIF and composes it.
    int load(Stream* stream) override;
    // 0, or -1 with a reason from refuseImage() for a GIF without an image, one whose first
    // frame is over the frame limit, or one with an empty or oversized screen.
    int compose(const cFormatGIF& gif);
};
