// A stream over bytes in memory. Reads and writes never touch memory outside the bytes.
#pragma once

#include "io/Stream.h"

class MemoryStream : public Stream {
public:
    // Does not own the bytes.
    MemoryStream(const void* bytes, uint32_t length);

    int read(void* buffer, uint32_t length) override;
    int write(const void* buffer, uint32_t length) override;
    int seek(int32_t offset, int origin) override;
    uint32_t tell() override { return position_; }
    uint32_t size() override { return size_; }
    bool atEnd() override { return position_ >= size_; }

    const uint8_t* data() const { return data_; }

protected:
    MemoryStream() = default;
    void advance(uint32_t length);

    uint8_t* data_ = nullptr;
    uint32_t position_ = 0;
    uint32_t size_ = 0;
};
