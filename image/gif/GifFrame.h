// One image of a GIF file as decoded: its place on the logical screen, its own palette if
// it has one, its transparent index, and one palette index per pixel in the stored row
// order (interlaced rows are not reordered). Nothing composes frames into a picture.
#pragma once

#include <cstdint>

struct GifFrame {
    static constexpr int kPaletteBytes = 768;

    GifFrame() = default;
    ~GifFrame();
    GifFrame(const GifFrame&) = delete;
    GifFrame& operator=(const GifFrame&) = delete;

    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
    uint8_t hasLocalPalette = 0;
    uint8_t localPalette[kPaletteBytes] = {};
    // width x height bytes; indices past the end of the coded data stay 0.
    uint8_t* indices = nullptr;
    int32_t transparentIndex = -1;
};
