#include "image/jpeg/JpegHuffmanTable.h"

#include <cstring>

void JpegHuffmanTable::build() {
    buildCodes();
    for (int bits = 0; bits < (1 << kFastBits); ++bits) {
        fast[bits] = 0;
        const int32_t entry = lookup[bits >> (kFastBits - 8)];
        if (entry <= 0) continue;
        const int length = entry >> 8, run = (entry >> 4) & 15, size = entry & 15;
        if (size == 0) {
            if (run == 0) fast[bits] = kFastEndOfBlock | length;
            continue;
        }
        if (length + size > kFastBits) continue;
        int value = (bits >> (kFastBits - length - size)) & ((1 << size) - 1);
        if (value < (1 << (size - 1))) value += 1 - (1 << size);
        fast[bits] =
            int32_t(uint32_t(value) << kFastValueShift) | (run << kFastRunShift) | (length + size);
    }
}

void JpegHuffmanTable::buildCodes() {
    std::memset(lookup, 0, sizeof(lookup));
    std::memset(longLimit, 0, sizeof(longLimit));
    std::memset(longOffset, 0, sizeof(longOffset));
    placeCodes();
    // Lengths without codes end where the shorter ones do.
    for (int i = 1; i < 8; ++i)
        if (longLimit[i] < longLimit[i - 1]) longLimit[i] = longLimit[i - 1];
}

void JpegHuffmanTable::placeCodes() {
    uint32_t code = 0;
    int index = 0;
    for (int length = 1; length <= 16; ++length, code <<= 1) {
        for (int i = 0; i < counts[length]; ++i, ++code, ++index) {
            if (code >= (1u << length)) return;
            if (length <= 8) {
                const uint32_t first = code << (8 - length);
                const uint32_t last = (code + 1) << (8 - length);
                for (uint32_t entry = first; entry < last; ++entry)
                    lookup[entry] = (length << 8) | symbols[index];
                continue;
            }
            lookup[code >> (length - 8)] = -1;
            if (i == 0) longOffset[length - 9] = index - int32_t(code);
            longLimit[length - 9] = (code + 1) << (16 - length);
        }
    }
}
