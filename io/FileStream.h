// A stream over a standard-library file; the data locator uses it to read whole files.
#pragma once

#include "io/Stream.h"

#include <cstdio>

class FileStream : public Stream {
public:
    enum Mode { kRead = 1, kWrite = 2, kReadWrite = 3 };

    // Prints "Error: file not found %s\n" when the path names no regular file (a pipe, a
    // device or a folder counts as missing) or it could not be opened; the stream then
    // has size 0.
    FileStream(const char* path, int mode);
    ~FileStream() override;

    int read(void* buffer, uint32_t length) override;
    int write(const void* buffer, uint32_t length) override;
    int seek(int32_t offset, int origin) override;
    uint32_t tell() override { return position_; }
    uint32_t size() override;
    bool atEnd() override { return position_ >= size_; }

    bool isOpen() const { return file_ != nullptr; }

private:
    FILE* file_ = nullptr;
    uint32_t position_ = 0;
    uint32_t size_ = 0;
};
