#include "image/gif/GifScreenImage.h"

#include "image/ImageRefusal.h"
#include "image/gif/FormatGIF.h"

#include <algorithm>

namespace {
// The stored row of picture row `row` in a frame of `height` rows: interlaced frames store
// every 8th row from 0, then every 8th from 4, every 4th from 2, every 2nd from 1.
int32_t storedRow(int32_t row, int32_t height, bool interlaced) {
    if (!interlaced) return row;
    static const int32_t kStart[4] = {0, 4, 2, 1};
    static const int32_t kStep[4] = {8, 8, 4, 2};
    int32_t before = 0;
    for (int pass = 0; pass < 4; ++pass) {
        const int32_t start = kStart[pass], step = kStep[pass];
        if (row % step == start) return before + (row - start) / step;
        if (height > start) before += (height - start + step - 1) / step;
    }
    return row;
}
} // namespace

int GifScreenImage::load(Stream* stream) {
    reset();
    cFormatGIF gif;
    if (gif.load(stream) != 0) return refuseImage("not a GIF file");
    return compose(gif);
}

int GifScreenImage::compose(const cFormatGIF& gif) {
    reset();
    const int32_t width = gif.screenWidth(), height = gif.screenHeight();
    if (width == 0 || height == 0)
        return refuseImage("GIF screen of %d x %d pixels", width, height);
    if (uint32_t(width) * uint32_t(height) > kMaxScreenPixels)
        return refuseImage("GIF screen of %d x %d pixels is over the limit of %u pixels", width,
                           height, kMaxScreenPixels);
    if (gif.frameCount() == 0 && gif.oversizedFrameWidth() != 0)
        return refuseImage("GIF's first frame of %d x %d pixels is over the limit of %u pixels",
                           gif.oversizedFrameWidth(), gif.oversizedFrameHeight(),
                           cFormatGIF::kMaxFramePixels);
    if (gif.frameCount() == 0) return refuseImage("GIF without an image");
    if (!allocatePixels(uint64_t(width) * uint32_t(height) * 4))
        return refuseImage("out of memory");
    width_ = width;
    height_ = height;
    bitsPerPixel_ = 32;

    const GifFrame& frame = gif.frame(0);
    if (!frame.indices || frame.left >= width || frame.top >= height) return 0;
    const uint8_t* palette = frame.hasLocalPalette ? frame.localPalette : gif.globalPalette();
    const int32_t columns = std::min(frame.width, width - frame.left);
    for (int32_t row = 0; row < frame.height && frame.top + row < height; ++row) {
        // Pixels the coded data did not reach stay transparent.
        const uint64_t start =
            uint64_t(storedRow(row, frame.height, frame.interlaced)) * frame.width;
        if (start >= frame.decodedCount) continue;
        const int32_t decoded = int32_t(std::min<uint64_t>(columns, frame.decodedCount - start));
        const uint8_t* indices = frame.indices + start;
        uint8_t* out = pixels_ + (size_t(height - 1 - (frame.top + row)) * width + frame.left) * 4;
        for (int32_t x = 0; x < decoded; ++x, out += 4) {
            const int32_t index = indices[x];
            if (index == frame.transparentIndex) continue;
            out[0] = palette[index * 3 + 2];
            out[1] = palette[index * 3 + 1];
            out[2] = palette[index * 3];
            out[3] = 255;
        }
    }
    return 0;
}
