// Reads the data sub-block chain of a GIF block (size byte, that many bytes, ..., size 0)
// as one byte sequence, and skips what is left of it. A stream that ends inside the chain
// ends the chain.
#pragma once

#include <cstdint>

class Stream;

class GifSubBlocks {
public:
    explicit GifSubBlocks(Stream* stream) : stream_(stream) {}

    // The next data byte, or -1 once the chain has ended.
    int next();
    // Reads the next sub-block whole into `block` (255 bytes) and returns its size; 0 at
    // the terminator or at the end of the stream.
    uint32_t nextBlock(uint8_t* block);
    // Consumes the chain up to and including its terminator.
    void skipRest();

private:
    Stream* stream_;
    uint8_t block_[255] = {};
    uint32_t length_ = 0;
    uint32_t position_ = 0;
    bool ended_ = false;
};
