#include "resource/TextureRules.h"

#include <cstdint>

namespace {

bool validSide(uint32_t side) {
    return side >= 8 && side <= 2048;
}

bool powerOfTwo(uint32_t side) {
    return (side & (side - 1)) == 0;
}

} // namespace

TextureFault textureFault(int width, int height, int bitsPerPixel) {
    if (bitsPerPixel != 24 && bitsPerPixel != 32) return TextureFault::Depth;
    // Compared unsigned, so a negative size counts as too large.
    if (!validSide(uint32_t(width)) || !validSide(uint32_t(height))) return TextureFault::Size;
    if (!powerOfTwo(uint32_t(width))) return TextureFault::WidthNotPowerOfTwo;
    if (!powerOfTwo(uint32_t(height))) return TextureFault::HeightNotPowerOfTwo;
    return TextureFault::None;
}
