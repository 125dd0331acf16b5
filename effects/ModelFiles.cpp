#include "ModelFiles.h"

#include <assimp/IOStream.hpp>

#include <cstdio>
#include <cstring>

namespace {

// A read-only file; Assimp asks for nothing else.
class ModelFileStream : public Assimp::IOStream {
public:
    explicit ModelFileStream(FILE* file) : file_(file) {}
    ~ModelFileStream() override { std::fclose(file_); }

    size_t Read(void* buffer, size_t size, size_t count) override {
        return size && count ? std::fread(buffer, size, count, file_) : 0;
    }
    size_t Write(const void*, size_t, size_t) override { return 0; }
    aiReturn Seek(size_t offset, aiOrigin origin) override {
        const int whence = origin == aiOrigin_SET   ? SEEK_SET
                           : origin == aiOrigin_CUR ? SEEK_CUR
                                                    : SEEK_END;
        return std::fseek(file_, static_cast<long>(offset), whence) == 0 ? aiReturn_SUCCESS
                                                                         : aiReturn_FAILURE;
    }
    size_t Tell() const override {
        const long at = std::ftell(file_);
        return at < 0 ? 0 : static_cast<size_t>(at);
    }
    size_t FileSize() const override {
        const long at = std::ftell(file_);
        std::fseek(file_, 0, SEEK_END);
        const long size = std::ftell(file_);
        std::fseek(file_, at, SEEK_SET);
        return size < 0 ? 0 : static_cast<size_t>(size);
    }
    void Flush() override {}

private:
    FILE* file_;
};

} // namespace

std::string ModelFiles::pathFor(const char* name) const {
    std::string relative = name ? name : "";
    for (char& c : relative)
        if (c == '\\') c = '/';
    while (relative.compare(0, 2, "./") == 0) relative.erase(0, 2);
    if (relative.empty() || relative[0] == '/' || relative.find(':') != std::string::npos)
        return "";
    // Any ".." part could leave the folder, so none is allowed.
    size_t start = 0;
    while (start <= relative.size()) {
        size_t end = relative.find('/', start);
        if (end == std::string::npos) end = relative.size();
        if (relative.compare(start, end - start, "..") == 0) return "";
        start = end + 1;
    }
    return folder_ + relative;
}

bool ModelFiles::Exists(const char* name) const {
    const std::string path = pathFor(name);
    if (path.empty()) return false;
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    std::fclose(file);
    return true;
}

Assimp::IOStream* ModelFiles::Open(const char* name, const char* mode) {
    if (!mode || std::strchr(mode, 'w') || std::strchr(mode, 'a') || std::strchr(mode, '+'))
        return nullptr;
    const std::string path = pathFor(name);
    if (path.empty()) return nullptr;
    FILE* file = std::fopen(path.c_str(), "rb");
    return file ? new ModelFileStream(file) : nullptr;
}

void ModelFiles::Close(Assimp::IOStream* stream) {
    delete stream;
}
