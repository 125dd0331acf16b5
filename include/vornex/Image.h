// The image reader base, whose loaded object is the decoded image that plugins receive from
// the host's loadImage: width, height, bits per pixel, and the pixel bytes with the bottom
// row first and blue first (B, G, R[, A]), rows tightly packed. The field order and the slot
// order of the virtual operations are part of the plugin contract: never reorder them.
// Readers for the individual formats live in the player; a plugin only reads the result and
// deletes it.
#pragma once

#include "Api.h"

#include <cstddef>
#include <cstdint>

class Stream;

class VORNEX_API cFormat {
public:
    cFormat() = default;
    virtual ~cFormat();
    // 0 on success, -1 on failure. A second load first drops the previous result.
    virtual int load(Stream* stream) = 0;
    virtual int width();
    virtual int height();
    virtual unsigned bitsPerPixel();
    // Every reader keeps one picture; the index is ignored (callers pass 0).
    virtual uint8_t* pixels(int index);

    cFormat(const cFormat&) = delete;
    cFormat& operator=(const cFormat&) = delete;

protected:
    // Frees the pixels and zeroes every field.
    void reset();
    // Replaces the pixels with `byteCount` zero bytes and sets `size_`; false when the
    // memory cannot be had.
    bool allocatePixels(uint64_t byteCount);

    int32_t width_ = 0;
    int32_t height_ = 0;
    uint32_t bitsPerPixel_ = 0;
    uint32_t size_ = 0;
    uint8_t* pixels_ = nullptr;

    friend struct ImageLayout;
};

using Image = cFormat;

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
struct ImageLayout {
    static_assert(offsetof(cFormat, width_) == sizeof(void*), "Image layout");
    static_assert(offsetof(cFormat, height_) == sizeof(void*) + 4, "Image layout");
    static_assert(offsetof(cFormat, bitsPerPixel_) == sizeof(void*) + 8, "Image layout");
    static_assert(offsetof(cFormat, size_) == sizeof(void*) + 12, "Image layout");
    static_assert(offsetof(cFormat, pixels_) == sizeof(void*) + 16, "Image layout");
    static_assert(sizeof(cFormat) == 2 * sizeof(void*) + 16, "Image layout");
};
#pragma GCC diagnostic pop
