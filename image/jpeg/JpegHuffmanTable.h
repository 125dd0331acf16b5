// One Huffman decoding table of the JPEG decoder, built from the 16 code counts and the
// symbols of a DHT segment with the canonical code assignment of T.81 Annex C. Codes up to
// 8 bits are resolved by one lookup on the next 8 bits; longer codes continue in a binary
// tree below their 8-bit prefix. Codes that do not fit the code space (an over-full table)
// are left out, so such input can only fail as corrupt data. A second lookup on the next 10
// bits gives the run and the value at once when the code and the value bits fit in those 10
// bits together, which is the case for most coefficients, and the end of block. It serves DC
// tables as well: there the symbol is the size alone, and size 0 (the end-of-block entry) is
// a difference of 0.
#pragma once

#include <cstdint>

struct JpegHuffmanTable {
    static constexpr int kTreeNodes = 512;
    static constexpr int kFastBits = 10;
    // Fields of a `fast` entry. The length fills the low six bits alone, so that a 64-bit
    // shift by the whole entry (which the processor masks to six bits) takes exactly it.
    static constexpr int32_t kFastLengthMask = 63; // bits used, code and value
    static constexpr int32_t kFastEndOfBlock = 64;
    static constexpr int kFastRunShift = 8;
    static constexpr int kFastValueShift = 16; // signed

    // Fills `lookup`, `tree` and `fast` from `counts` (index 1..16) and `symbols`.
    void build();

    bool defined = false;
    uint8_t counts[17] = {};
    uint8_t symbols[256] = {};
    // (length << 8) | symbol for codes of 1..8 bits; -node for a prefix of longer codes;
    // 0 where no code starts.
    int32_t lookup[256] = {};
    // Two children per node (0 and 1 bit): -(symbol + 1) for a leaf, a node index, or 0
    // for no code. Node 0 is never used.
    int16_t tree[kTreeNodes * 2] = {};
    // value << kFastValueShift | run << kFastRunShift | bits used, or kFastEndOfBlock | bits
    // used; 0 where the code and its value do not fit in kFastBits bits.
    int32_t fast[1 << kFastBits] = {};

private:
    void buildCodes();
};
