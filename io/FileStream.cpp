#include "io/FileStream.h"

FileStream::FileStream(const char* path, int mode) {
    const char* modes[] = {nullptr, "rb", "wb", "r+b"};
    if (mode >= READ && mode <= READ_WRITE) file_ = std::fopen(path, modes[mode]);
    if (!file_) std::printf("Error: file not found %s\n", path);
}

FileStream::~FileStream() {
    if (file_) std::fclose(file_);
}

int FileStream::read(void* buffer, uint32_t length) {
    const size_t got = file_ ? std::fread(buffer, 1, length, file_) : 0;
    position_ += length;
    return got == length ? 0 : -1;
}

int FileStream::write(const void* buffer, uint32_t length) {
    const size_t put = file_ ? std::fwrite(buffer, 1, length, file_) : 0;
    position_ += length;
    return put == length ? 0 : -1;
}

int FileStream::seek(int32_t offset, int origin) {
    position_ = seekTarget(position_, offset, origin, origin == END ? size() : 0);
    if (file_) std::fseek(file_, static_cast<long>(position_), SEEK_SET);
    return 0;
}

uint32_t FileStream::size() {
    if (!file_) return 0;
    std::fseek(file_, 0, SEEK_END);
    const long end = std::ftell(file_);
    std::fseek(file_, static_cast<long>(position_), SEEK_SET);
    // Files of 4 GiB or more do not fit the 32-bit size; they count as unreadable. (long is
    // 32 bits on Windows, so the limit is compared in a wider type.)
    size_ = (end < 0 || static_cast<unsigned long long>(end) > UINT32_MAX - 1ull)
                ? 0
                : static_cast<uint32_t>(end);
    return size_;
}
