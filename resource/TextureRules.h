// What a texture takes: 24 or 32 bits a pixel, sides from 8 to 2048 that are powers of
// two. GL textures refuse anything else; check mode tells the author beforehand.
#pragma once

enum class TextureFault {
    None,
    Depth,              // not 24 or 32 bits a pixel
    Size,               // a side below 8 or above 2048
    WidthNotPowerOfTwo, // checked after the size
    HeightNotPowerOfTwo,
};

TextureFault textureFault(int width, int height, int bitsPerPixel);
