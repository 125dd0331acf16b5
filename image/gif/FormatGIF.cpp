#include "image/gif/FormatGIF.h"

#include "image/LittleEndian.h"
#include "image/ProbeBytes.h"
#include "image/gif/GifSubBlocks.h"
#include "io/Stream.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace {
constexpr uint32_t kGifSignatureSize = 6;
constexpr uint8_t kImageSeparator = 0x2C;
constexpr uint8_t kExtensionIntroducer = 0x21;
constexpr uint8_t kTrailer = 0x3B;
constexpr uint8_t kGraphicControlLabel = 0xF9;

bool knownSignature(const uint8_t* bytes) {
    return std::memcmp(bytes, "GIF87a", kGifSignatureSize) == 0 ||
           std::memcmp(bytes, "GIF89a", kGifSignatureSize) == 0;
}

// A palette flag in bit 7 with 2^((packed & 7) + 1) entries of three bytes.
void readPalette(Stream* stream, uint8_t packed, uint8_t* palette) {
    stream->read(palette, 3u << ((packed & 7) + 1));
}
} // namespace

cFormatGIF::~cFormatGIF() {
    for (int i = 0; i < frameCount_; ++i) delete frames_[i];
}

int cFormatGIF::probe(Stream* stream) {
    uint8_t signature[kGifSignatureSize];
    if (!peekBytes(stream, kGifSignatureSize, signature, kGifSignatureSize)) return -1;
    return knownSignature(signature) ? 1 : -1;
}

void cFormatGIF::clear() {
    reset();
    for (int i = 0; i < frameCount_; ++i) delete frames_[i];
    std::memset(frames_, 0, sizeof(frames_));
    frameCount_ = 0;
    totalPixels_ = 0;
    oversizedFrameWidth_ = oversizedFrameHeight_ = 0;
    currentFrame_ = nullptr;
    std::memset(globalPalette_, 0, sizeof(globalPalette_));
    graphicControlSeen_ = false;
    std::memset(graphicControl_, 0, sizeof(graphicControl_));
}

int cFormatGIF::load(Stream* stream) {
    clear();
    if (!stream) return -1;
    uint8_t signature[kGifSignatureSize];
    stream->read(signature, kGifSignatureSize);
    if (!knownSignature(signature)) return -1;

    uint8_t screen[7];
    stream->read(screen, sizeof(screen));
    width_ = readU16(screen);
    height_ = readU16(screen + 2);
    bitsPerPixel_ = 8;
    if (screen[4] & 0x80) readPalette(stream, screen[4], globalPalette_);

    for (;;) {
        uint8_t block = 0;
        if (stream->read(&block, 1) != 0 || block == kTrailer) break;
        if (block == kImageSeparator) {
            if (!readFrame(stream)) break;
            if (graphicControlSeen_ && (graphicControl_[0] & 1))
                currentFrame_->transparentIndex = graphicControl_[3];
            graphicControlSeen_ = false;
        } else if (block == kExtensionIntroducer) {
            readExtension(stream);
        }
    }
    return 0;
}

bool cFormatGIF::readFrame(Stream* stream) {
    uint8_t descriptor[9];
    if (stream->read(descriptor, sizeof(descriptor)) != 0) return false;
    if (frameCount_ == kMaxFrames) return false;
    const uint32_t pixelCount = uint32_t(readU16(descriptor + 4)) * readU16(descriptor + 6);
    if (pixelCount > kMaxFramePixels || pixelCount > kMaxTotalPixels - totalPixels_) {
        oversizedFrameWidth_ = readU16(descriptor + 4);
        oversizedFrameHeight_ = readU16(descriptor + 6);
        return false;
    }
    totalPixels_ += pixelCount;
    GifFrame* frame = new (std::nothrow) GifFrame;
    if (!frame) return false;
    frames_[frameCount_++] = frame;
    currentFrame_ = frame;
    frame->left = readU16(descriptor);
    frame->top = readU16(descriptor + 2);
    frame->width = readU16(descriptor + 4);
    frame->height = readU16(descriptor + 6);
    frame->interlaced = (descriptor[8] & 0x40) != 0;
    if (descriptor[8] & 0x80) {
        readPalette(stream, descriptor[8], frame->localPalette);
        frame->hasLocalPalette = 1;
    }
    if (pixelCount != 0) {
        frame->indices = static_cast<uint8_t*>(std::calloc(pixelCount, 1));
        if (!frame->indices) return false;
    }
    decoder_.decode(stream, frame->indices, pixelCount, frame->decodedCount);
    return true;
}

void cFormatGIF::readExtension(Stream* stream) {
    uint8_t label = 0;
    stream->read(&label, 1);
    GifSubBlocks blocks(stream);
    if (label == kGraphicControlLabel) {
        uint8_t data[255] = {};
        blocks.nextBlock(data);
        std::memcpy(graphicControl_, data, sizeof(graphicControl_));
        graphicControlSeen_ = true;
    }
    blocks.skipRest();
}
