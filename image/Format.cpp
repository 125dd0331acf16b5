#include <vornex/Image.h>

#include "image/ZeroedMemory.h"

#include <cstdlib>

cFormat::~cFormat() {
    std::free(pixels_);
}

int cFormat::width() {
    return width_;
}

int cFormat::height() {
    return height_;
}

unsigned cFormat::bitsPerPixel() {
    return bitsPerPixel_;
}

uint8_t* cFormat::pixels(int) {
    return pixels_;
}

void cFormat::reset() {
    std::free(pixels_);
    pixels_ = nullptr;
    width_ = 0;
    height_ = 0;
    bitsPerPixel_ = 0;
    size_ = 0;
}

bool cFormat::allocatePixels(uint64_t byteCount) {
    std::free(pixels_);
    pixels_ = nullptr;
    size_ = 0;
    if (byteCount == 0 || byteCount > UINT32_MAX) return false;
    pixels_ = static_cast<uint8_t*>(allocateZeroed(byteCount));
    if (!pixels_) return false;
    size_ = static_cast<uint32_t>(byteCount);
    return true;
}
