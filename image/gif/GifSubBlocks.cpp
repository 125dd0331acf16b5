#include "image/gif/GifSubBlocks.h"

#include "io/Stream.h"

uint32_t GifSubBlocks::nextBlock(uint8_t* block) {
    if (ended_) return 0;
    uint8_t size = 0;
    if (stream_->read(&size, 1) != 0 || size == 0 || stream_->read(block, size) != 0) {
        ended_ = true;
        return 0;
    }
    return size;
}

int GifSubBlocks::next() {
    if (position_ == length_) {
        length_ = nextBlock(block_);
        position_ = 0;
        if (length_ == 0) return -1;
    }
    return block_[position_++];
}

void GifSubBlocks::skipRest() {
    uint8_t skipped[255];
    while (nextBlock(skipped) != 0) {
    }
    position_ = length_ = 0;
}
