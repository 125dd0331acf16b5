// The names of the DLLs a Windows program or library imports, read from its file's bytes
// (the PE format's import directory), so that a library the system will not load for want
// of one can be told apart by the one it lacks. Delay-loaded imports are left out: they
// never stop a library from loading. Every offset and address is checked against the
// bytes and the section table; nothing outside the bytes is read.
#pragma once

#include <cstddef>
#include <cstdint>

namespace native {

class PEImportList {
public:
    static constexpr size_t kMaxImports = 128;
    static constexpr size_t kNameSize = 128;
    // The format allows no more.
    static constexpr uint32_t kMaxSections = 96;
    static constexpr size_t kErrorSize = 128;

    // Replaces the list by the DLL names the image in `bytes` imports, in the table's order.
    // -1, with the list empty and the reason in error(), when the bytes hold no PE image or
    // its import table leaves them or its sections, a name has no end within them, a name
    // is not printable text or longer than kNameSize - 1, or it imports more than
    // kMaxImports DLLs.
    int read(const uint8_t* bytes, size_t size);

    size_t count() const { return count_; }
    const char* name(size_t index) const { return index < count_ ? names_[index] : nullptr; }
    const char* error() const { return error_; }

private:
    int fail(const char* reason);
    // The file offset of `rva` and how many bytes from there stay within its section's bytes
    // in the file; false when no section holds it there.
    bool locate(uint32_t rva, size_t* offset, size_t* available) const;
    int readName(uint32_t rva);

    const uint8_t* bytes_ = nullptr;
    size_t size_ = 0;
    size_t sections_ = 0; // offset of the section table
    uint32_t sectionCount_ = 0;
    char names_[kMaxImports][kNameSize] = {};
    size_t count_ = 0;
    char error_[kErrorSize] = "";
};

} // namespace native
