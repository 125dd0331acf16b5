#include "io/DataFile.h"

#include "io/DataLocator.h"
#include "io/FileStream.h"

#include <cstdio>
#include <new>

DataFile::DataFile(const char* fileName) {
    char path[DataLocator::kPathSize];
    if (!DataLocator::resolve(fileName, path)) {
        std::printf("Error: path too long for %s\n", fileName);
        return;
    }
    std::printf("load[%s]\n", path);

    FileStream file(path, FileStream::kRead);
    const uint32_t length = file.size();
    if (length == 0) return;
    uint8_t* bytes = new (std::nothrow) uint8_t[uint64_t(length) + 1];
    if (!bytes) {
        std::printf("Error: out of memory loading %s\n", path);
        return;
    }
    file.seek(0, kSet);
    if (file.read(bytes, length) != 0) {
        std::printf("Error: could not read %s\n", path);
        delete[] bytes;
        return;
    }
    bytes[length] = 0;
    data_ = bytes;
    size_ = length;
}

DataFile::~DataFile() {
    delete[] data_;
}
