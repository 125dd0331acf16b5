// The settings a demo creates its window with, filled from the demo element's attributes.
// GLWindow::create changes x, y and flags of a fullscreen request.
#pragma once

#include <cstdint>

struct WindowSettings {
    static constexpr uint32_t kTitleSize = 64;

    char title[kTitleSize] = "demo";
    int32_t width = 640;
    int32_t height = 480;
    int32_t x = 0;
    int32_t y = 0;
    // Only the low 8 bits reach the pixel format.
    int32_t bpp = 32;
    bool fullscreen = false;
    bool vsync = false;
    uint32_t flags = 0;
};
