#include "io/MemoryStream.h"

#include <cstring>

MemoryStream::MemoryStream(const void* bytes, uint32_t length)
    : data_(static_cast<uint8_t*>(const_cast<void*>(bytes))), size_(bytes ? length : 0) {}

// Saturates instead of wrapping, so a huge skip can never bring the position back.
void MemoryStream::advance(uint32_t length) {
    const uint64_t next = uint64_t(position_) + length;
    position_ = next > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(next);
}

int MemoryStream::read(void* buffer, uint32_t length) {
    const uint32_t available = position_ < size_ ? size_ - position_ : 0;
    const uint32_t count = length < available ? length : available;
    if (count) std::memcpy(buffer, data_ + position_, count);
    if (count < length) std::memset(static_cast<uint8_t*>(buffer) + count, 0, length - count);
    advance(length);
    return count == length ? 0 : -1;
}

int MemoryStream::write(const void* buffer, uint32_t length) {
    const uint32_t available = position_ < size_ ? size_ - position_ : 0;
    const uint32_t count = length < available ? length : available;
    if (count) std::memcpy(data_ + position_, buffer, count);
    advance(length);
    return count == length ? 0 : -1;
}

int MemoryStream::seek(int32_t offset, int origin) {
    position_ = seekTarget(position_, offset, origin, size_);
    return 0;
}
