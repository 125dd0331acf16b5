// One Huffman decoding table of the JPEG decoder, built from the 16 code counts and the
// symbols of a DHT segment with the canonical code assignment of T.81 Annex C. Codes up to
// 8 bits are resolved by one lookup on the next 8 bits; longer codes continue in a binary
// tree below their 8-bit prefix. Codes that do not fit the code space (an over-full table)
// are left out, so such input can only fail as corrupt data. For AC tables a second lookup
// on the same 8 bits gives the run and the value at once when the code and the value bits
// fit in those 8 bits together, which is the case for most coefficients.
#pragma once

#include <cstdint>

struct JpegHuffmanTable {
    static constexpr int kTreeNodes = 512;

    // Fills `lookup`, `tree` and `fastAc` from `counts` (index 1..16) and `symbols`.
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
    // value << 8 | run << 4 | bits used (code and value), or 0.
    int16_t fastAc[256] = {};

private:
    void buildCodes();
};
