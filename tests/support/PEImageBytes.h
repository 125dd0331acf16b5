// A Windows image in memory with one section that holds its import table: the DOS header,
// the PE header, a 64- or 32-bit optional header with 16 directories, the section table,
// then the import descriptors (one per DLL and the closing one of zeros) and the DLL names.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

struct PEImageBytes {
    static constexpr uint32_t kSectionAddress = 0x1000;
    static constexpr size_t kSectionOffset = 0x200;

    std::vector<uint8_t> bytes;
    size_t importDirectory = 0; // file offset of the import directory's address and size
    size_t sectionHeader = 0;   // file offset of the one section's header
    size_t names = 0;           // file offset of the first DLL name

    explicit PEImageBytes(const std::vector<std::string>& dlls, bool wide = true) {
        const size_t optionalSize = wide ? 240 : 224;
        const size_t directories = wide ? 112 : 96;
        bytes.assign(kSectionOffset, 0);
        bytes[0] = 'M';
        bytes[1] = 'Z';
        put32(0x3C, 0x40);
        put32(0x40, 0x00004550); // "PE\0\0"
        put16(0x44, wide ? 0x8664 : 0x14C);
        put16(0x46, 1);
        put16(0x54, static_cast<uint16_t>(optionalSize));
        const size_t optional = 0x58;
        put16(optional, wide ? 0x20B : 0x10B);
        put32(optional + directories - 4, 16);
        importDirectory = optional + directories + 8;
        put32(importDirectory, kSectionAddress);
        put32(importDirectory + 4, static_cast<uint32_t>((dlls.size() + 1) * 20));
        sectionHeader = optional + optionalSize;
        // The section: descriptors, then names.
        names = kSectionOffset + (dlls.size() + 1) * 20;
        bytes.resize(names, 0);
        for (size_t i = 0; i < dlls.size(); ++i) {
            const size_t descriptor = kSectionOffset + i * 20;
            put32(descriptor + 12, addressOf(bytes.size()));
            put32(descriptor + 16, kSectionAddress + 0x800); // the thunks, not read
            bytes.insert(bytes.end(), dlls[i].begin(), dlls[i].end());
            bytes.push_back(0);
        }
        const uint32_t sectionSize = static_cast<uint32_t>(bytes.size() - kSectionOffset);
        std::memcpy(&bytes[sectionHeader], ".idata\0\0", 8);
        put32(sectionHeader + 8, sectionSize);
        put32(sectionHeader + 12, kSectionAddress);
        put32(sectionHeader + 16, sectionSize);
        put32(sectionHeader + 20, static_cast<uint32_t>(kSectionOffset));
    }

    static uint32_t addressOf(size_t offset) {
        return static_cast<uint32_t>(kSectionAddress + (offset - kSectionOffset));
    }

    void put16(size_t at, uint16_t value) {
        bytes[at] = static_cast<uint8_t>(value);
        bytes[at + 1] = static_cast<uint8_t>(value >> 8);
    }
    void put32(size_t at, uint32_t value) {
        for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
    }
};
