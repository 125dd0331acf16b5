// One Huffman decoding table of the JPEG decoder, built from the 16 code counts and the
// symbols of a DHT segment with the canonical code assignment of T.81 Annex C. Codes up to
// 8 bits are resolved by one lookup on the next 8 bits; longer codes by their place in the
// canonical order, where codes read as 16-bit left-aligned numbers grow with their length.
// Codes that do not fit the code space (an over-full table) are left out, so such input can
// only fail as corrupt data. A second lookup on the next 10 bits gives the run and the value
// at once when the code and the value bits fit in those 10 bits together, which is the case
// for most coefficients, and the end of block. It serves DC tables as well: there the symbol
// is the size alone, and size 0 (the end-of-block entry) is a difference of 0.
#pragma once

#include <cstdint>

struct JpegHuffmanTable {
    static constexpr int kFastBits = 10;
    // Fields of a `fast` entry. The length fills the low six bits alone, so that a 64-bit
    // shift by the whole entry (which the processor masks to six bits) takes exactly it.
    static constexpr int32_t kFastLengthMask = 63; // bits used, code and value
    static constexpr int32_t kFastEndOfBlock = 64;
    static constexpr int kFastRunShift = 8;
    static constexpr int kFastValueShift = 16; // signed

    // Fills `lookup`, `longLimit`, `longOffset` and `fast` from `counts` (index 1..16) and
    // `symbols`.
    void build();

    bool defined = false;
    uint8_t counts[17] = {};
    uint8_t symbols[256] = {};
    // (length << 8) | symbol for codes of 1..8 bits; -1 for a prefix of longer codes; 0
    // where no code starts.
    int32_t lookup[256] = {};
    // Codes of 9..16 bits: longLimit[n - 9] is where those of n bits end among the next 16
    // bits w read as a number (where the shorter ones end, for lengths without codes), so w
    // holds one of 9 + (the number of limits <= w) bits, none when all 8 are; its symbol is
    // symbols[(w >> (16 - n)) + longOffset[n - 9]].
    uint32_t longLimit[8] = {};
    int32_t longOffset[8] = {};
    // value << kFastValueShift | run << kFastRunShift | bits used, or kFastEndOfBlock | bits
    // used; 0 where the code and its value do not fit in kFastBits bits.
    int32_t fast[1 << kFastBits] = {};

private:
    void buildCodes();
    void placeCodes();
};
