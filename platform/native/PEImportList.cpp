#include "platform/native/PEImportList.h"

#include <cstdio>
#include <cstring>

namespace native {
namespace {

constexpr size_t kNewHeaderOffset = 0x3C; // e_lfanew
constexpr size_t kSignatureSize = 4;      // "PE\0\0"
constexpr size_t kFileHeaderSize = 20;
constexpr uint16_t kMagic32 = 0x10B;
constexpr uint16_t kMagic64 = 0x20B;
// Where each optional header keeps its directory count; the directories follow it.
constexpr size_t kDirectoryCountAt32 = 92;
constexpr size_t kDirectoryCountAt64 = 108;
constexpr uint32_t kImportDirectory = 1;
constexpr size_t kDirectorySize = 8;
constexpr size_t kSectionSize = 40;
constexpr size_t kDescriptorSize = 20;
constexpr size_t kDescriptorNameAt = 12;
constexpr size_t kDescriptorThunksAt = 16;

uint16_t read16(const uint8_t* at) {
    return static_cast<uint16_t>(at[0] | at[1] << 8);
}

uint32_t read32(const uint8_t* at) {
    return static_cast<uint32_t>(at[0]) | static_cast<uint32_t>(at[1]) << 8 |
           static_cast<uint32_t>(at[2]) << 16 | static_cast<uint32_t>(at[3]) << 24;
}

// True when `length` bytes from `offset` lie within `size`, without overflowing.
bool within(size_t offset, size_t length, size_t size) {
    return offset <= size && length <= size - offset;
}

} // namespace

int PEImportList::fail(const char* reason) {
    count_ = 0;
    std::snprintf(error_, sizeof error_, "%s", reason);
    return -1;
}

bool PEImportList::locate(uint32_t rva, size_t* offset, size_t* available) const {
    for (uint32_t i = 0; i < sectionCount_; ++i) {
        const uint8_t* section = bytes_ + sections_ + i * kSectionSize;
        const uint32_t virtualSize = read32(section + 8);
        const uint32_t address = read32(section + 12);
        const uint32_t rawSize = read32(section + 16);
        const uint32_t rawOffset = read32(section + 20);
        // Past its virtual size a section's file bytes are not mapped.
        const uint32_t extent = virtualSize != 0 && virtualSize < rawSize ? virtualSize : rawSize;
        if (rva < address || rva - address >= extent) continue;
        const size_t start = size_t(rawOffset) + (rva - address);
        if (start >= size_) return false;
        const size_t inSection = extent - (rva - address);
        *offset = start;
        *available = inSection < size_ - start ? inSection : size_ - start;
        return true;
    }
    return false;
}

int PEImportList::readName(uint32_t rva) {
    size_t offset = 0;
    size_t available = 0;
    if (!locate(rva, &offset, &available))
        return fail("an imported DLL's name lies outside the sections");
    const uint8_t* name = bytes_ + offset;
    const size_t limit = available < kNameSize ? available : kNameSize;
    size_t length = 0;
    while (length < limit && name[length] != 0) ++length;
    if (length == limit)
        return fail(available < kNameSize ? "an imported DLL's name has no end in its section"
                                          : "an imported DLL's name is too long");
    if (length == 0) return fail("an imported DLL's name is empty");
    for (size_t i = 0; i < length; ++i)
        if (name[i] < 0x20 || name[i] > 0x7E) return fail("an imported DLL's name is not text");
    std::memcpy(names_[count_], name, length);
    names_[count_][length] = '\0';
    ++count_;
    return 0;
}

int PEImportList::read(const uint8_t* bytes, size_t size) {
    bytes_ = bytes;
    size_ = bytes ? size : 0;
    count_ = 0;
    sectionCount_ = 0;
    error_[0] = '\0';
    if (!within(0, kNewHeaderOffset + 4, size_) || bytes[0] != 'M' || bytes[1] != 'Z')
        return fail("no DOS header");
    const size_t header = read32(bytes + kNewHeaderOffset);
    if (!within(header, kSignatureSize + kFileHeaderSize, size_) ||
        std::memcmp(bytes + header, "PE\0\0", kSignatureSize) != 0)
        return fail("no PE header");
    const uint8_t* fileHeader = bytes + header + kSignatureSize;
    const uint32_t sectionCount = read16(fileHeader + 2);
    const size_t optionalSize = read16(fileHeader + 16);
    const size_t optional = header + kSignatureSize + kFileHeaderSize;
    if (!within(optional, optionalSize, size_) || optionalSize < 2)
        return fail("the optional header leaves the file");
    const uint16_t magic = read16(bytes + optional);
    if (magic != kMagic32 && magic != kMagic64) return fail("unknown optional header");
    const size_t countAt = magic == kMagic32 ? kDirectoryCountAt32 : kDirectoryCountAt64;
    if (countAt + 4 > optionalSize) return fail("the optional header is too short");
    const uint32_t directoryCount = read32(bytes + optional + countAt);
    const size_t importAt = countAt + 4 + kImportDirectory * kDirectorySize;
    if (sectionCount > kMaxSections) return fail("more sections than the format allows");
    sections_ = optional + optionalSize;
    if (!within(sections_, sectionCount * kSectionSize, size_))
        return fail("the section table leaves the file");
    sectionCount_ = sectionCount;
    // Without an import directory nothing is imported.
    if (directoryCount <= kImportDirectory || importAt + kDirectorySize > optionalSize) return 0;
    uint32_t descriptor = read32(bytes + optional + importAt);
    if (descriptor == 0) return 0;
    for (;;) {
        size_t offset = 0;
        size_t available = 0;
        if (!locate(descriptor, &offset, &available) || available < kDescriptorSize)
            return fail("the import table lies outside the sections");
        const uint8_t* entry = bytes + offset;
        const uint32_t name = read32(entry + kDescriptorNameAt);
        // The table ends with an entry of zeros; its name and thunks are what the loader reads.
        if (name == 0 && read32(entry + kDescriptorThunksAt) == 0) return 0;
        if (count_ == kMaxImports) return fail("more imported DLLs than the list takes");
        if (readName(name) != 0) return -1;
        if (descriptor > UINT32_MAX - kDescriptorSize)
            return fail("the import table lies outside the sections");
        descriptor += kDescriptorSize;
    }
}

} // namespace native
