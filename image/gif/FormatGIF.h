// GIF87a/GIF89a reader: parses the file block by block and decodes every image into a
// GifFrame (position, size, local palette, transparent index, palette indices). It does not
// compose frames or apply palettes: as an image it reports the logical screen size, 8 bits
// per pixel and no pixels. GifScreenImage makes a picture of the first frame for textures.
//
// Input that ends early, a frame of more than kMaxFramePixels, frames of more than
// kMaxTotalPixels together, or a 257th image ends the reading; what was decoded so far is
// kept and the load still succeeds. The limits keep a small forged file from claiming
// gigabytes of index buffers.
#pragma once

#include "image/gif/GifFrame.h"
#include "image/gif/GifLzwDecoder.h"
#include <vornex/Image.h>

class Stream;

class cFormatGIF : public cFormat {
public:
    static constexpr int kMaxFrames = 256;
    static constexpr uint32_t kMaxFramePixels = 4096 * 4096;
    static constexpr uint32_t kMaxTotalPixels = 4 * kMaxFramePixels;

    ~cFormatGIF() override;
    static int probe(Stream* stream);
    int load(Stream* stream) override;
    unsigned bitsPerPixel() override { return 8; }

    int frameCount() const { return frameCount_; }
    const GifFrame& frame(int index) const { return *frames_[index]; }
    const uint8_t* globalPalette() const { return globalPalette_; }
    // The logical screen; width() and height() give the same, but are not const.
    int screenWidth() const { return width_; }
    int screenHeight() const { return height_; }
    // The frame whose size ended the reading (over kMaxFramePixels, or past kMaxTotalPixels
    // with the frames before it), 0 x 0 when none did.
    int oversizedFrameWidth() const { return oversizedFrameWidth_; }
    int oversizedFrameHeight() const { return oversizedFrameHeight_; }

private:
    void clear();
    // False when reading must end.
    bool readFrame(Stream* stream);
    void readExtension(Stream* stream);

    uint8_t globalPalette_[GifFrame::kPaletteBytes] = {};
    int frameCount_ = 0;
    uint32_t totalPixels_ = 0;
    int oversizedFrameWidth_ = 0, oversizedFrameHeight_ = 0;
    GifFrame* currentFrame_ = nullptr;
    GifFrame* frames_[kMaxFrames] = {};
    bool graphicControlSeen_ = false;
    uint8_t graphicControl_[4] = {};
    GifLzwDecoder decoder_;
};
