// The `music` texture: kWidth x kHeight texels, row 0 (t from 0 to 0.5) the spectrum and
// row 1 the waveform of the music analysis, each byte repeated in blue, green and red, so
// shared shaders reading `.x` at t = 0.25 and 0.75 find what they expect of audio input.
// It is an entry of the texture list named "music", so every lookup of a texture by name
// finds it. Updated once a frame with one upload, no mipmaps and no allocation.
#pragma once

#include <cstdint>

class Texture;
class TextureList;

class MusicTexture {
public:
    static constexpr uint32_t kWidth = 512;
    static constexpr uint32_t kHeight = 2;
    static constexpr char kName[] = "music";

    // Makes the texture (a current OpenGL context is needed) and appends it to `textures`.
    // -1 when it cannot; update() then does nothing.
    int create(TextureList& textures);
    // kWidth bytes each.
    void update(const uint8_t* spectrum, const uint8_t* waveform);
    // kHeight rows of kWidth texels, three bytes each, as last updated.
    const uint8_t* texels() const { return texels_; }

private:
    Texture* texture_ = nullptr; // owned by the texture list
    uint8_t texels_[kWidth * kHeight * 3] = {};
};
