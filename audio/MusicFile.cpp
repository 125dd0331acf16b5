#include "audio/MusicFile.h"

#include "resource/DataLocator.h"
#include "resource/FileStream.h"

#include <cstdio>
#include <new>

MusicFile::MusicFile(const char* fileName) {
    char path[DataLocator::kPathSize];
    const int written = std::snprintf(path, sizeof path, "data/music/%s", fileName);
    if (written < 0 || size_t(written) >= sizeof path) {
        std::printf("Error: path too long for %s\n", fileName);
        return;
    }
    std::printf("load[%s]\n", path);

    FileStream file(path, FileStream::READ);
    const uint32_t length = file.size();
    if (length == 0) return;
    uint8_t* bytes = new (std::nothrow) uint8_t[length];
    if (!bytes) {
        std::printf("Error: out of memory loading %s\n", path);
        return;
    }
    file.seek(0, SET);
    if (file.read(bytes, length) != 0) {
        std::printf("Error: could not read %s\n", path);
        delete[] bytes;
        return;
    }
    data_ = bytes;
    size_ = length;
}

MusicFile::~MusicFile() {
    delete[] data_;
}
