#include "image/jpeg/MemoryJpegSource.h"

#include <cstring>

int MemoryJpegSource::read(unsigned char* buffer, int maxBytes, bool& endOfData) {
    if (!data_ || maxBytes < 0) return -1;
    if (finished_) {
        endOfData = true;
        return 0;
    }
    const uint32_t wanted = static_cast<uint32_t>(maxBytes);
    if (uint64_t(position_) + wanted < size_) {
        std::memcpy(buffer, data_ + position_, wanted);
        position_ += wanted;
        return maxBytes;
    }
    const uint32_t remaining = size_ - position_;
    std::memcpy(buffer, data_ + position_, remaining);
    position_ = size_;
    finished_ = true;
    endOfData = true;
    return static_cast<int>(remaining);
}
