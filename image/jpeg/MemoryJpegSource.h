// JPEG decoder input over bytes already in memory (the whole file). The bytes are borrowed
// and must outlive the source.
#pragma once

#include "image/jpeg/JpegSource.h"

#include <cstdint>

class MemoryJpegSource : public JpegSource {
public:
    MemoryJpegSource(const unsigned char* data, uint32_t size) : data_(data), size_(size) {}

    // Without data -1; once finished 0 with `endOfData` set. The read that reaches the end
    // hands out the rest and already sets `endOfData`.
    int read(unsigned char* buffer, int maxBytes, bool& endOfData) override;
    void attach() override {}
    void detach() override {}

private:
    const unsigned char* data_;
    uint32_t position_ = 0;
    uint32_t size_;
    bool finished_ = false;
};
