// The JPEG decoder's bit reading on the hot paths, inline in every stage that decodes
// entropy-coded data (sequential and progressive); the rare paths are in JpegEntropy.cpp.
#pragma once

#include "image/jpeg/JpegDecoder.h"

#include <cstring>

// Tops the bit buffer up to at least 57 bits. Where the next eight bytes hold no 0xFF (no
// stuffing, no marker) they are taken whole: the bits of a partly taken byte land below
// the count, where the same byte will be put again when it is taken.
inline void JpegDecoder::fillBits(Bits& bits) {
    const uint32_t position = inputPosition_;
    if (position + 8 <= inputCount_) {
        uint64_t word;
        std::memcpy(&word, input_ + position, 8);
        word = __builtin_bswap64(word);
        const uint64_t inverted = ~word; // 0xFF bytes become zero bytes
        constexpr uint64_t kOnes = 0x0101010101010101ull, kHighs = 0x8080808080808080ull;
        const uint64_t marks = (inverted - kOnes) & ~inverted & kHighs;
        const int bytes = (63 - bits.count) >> 3;
        if (marks == 0) {
            bits.buffer |= word >> bits.count;
            bits.count += bytes * 8;
            inputPosition_ = position + bytes;
            return;
        }
        // The bytes before the first 0xFF (the test may also mark a 0xFE just before one)
        // are taken whole; the rest byte by byte.
        const int clean = __builtin_clzll(marks) >> 3;
        if (clean > 0) {
            const int taken = clean < bytes ? clean : bytes;
            bits.buffer |= (word & ~(~uint64_t(0) >> (taken * 8))) >> bits.count;
            bits.count += taken * 8;
            inputPosition_ = position + taken;
            if (bits.count > 56) return;
        }
    }
    bits_ = bits;
    fillBitsBytewise();
    bits = bits_;
}

inline int JpegDecoder::decodeSymbol(Bits& bits, const JpegHuffmanTable& table) {
    if (bits.count < 16) fillBits(bits);
    int32_t entry = table.lookup[bits.buffer >> 56];
    if (entry <= 0) entry = decodeLongSymbol(table, entry, uint32_t(bits.buffer >> 48));
    const int length = entry >> 8;
    bits.buffer <<= length;
    bits.count -= length;
    return entry & 0xFF;
}

inline int JpegDecoder::receiveBits(Bits& bits, int length) {
    if (length == 0) return 0;
    if (bits.count < length) fillBits(bits);
    const int value = static_cast<int>(bits.buffer >> (64 - length));
    bits.buffer <<= length;
    bits.count -= length;
    return value;
}

// EXTEND of T.81 F.2.2.1 on the next `length` bits: a leading 0 bit means a negative value.
inline int JpegDecoder::receiveExtend(Bits& bits, int length) {
    if (length == 0) return 0;
    if (bits.count < length) fillBits(bits);
    const int negative = static_cast<int>(static_cast<int64_t>(~bits.buffer) >> 63);
    const int value = static_cast<int>(bits.buffer >> (64 - length));
    bits.buffer <<= length;
    bits.count -= length;
    return value + (negative & (1 - (1 << length)));
}

inline void JpegDecoder::countRestart(Bits& bits) {
    if (restartInterval_ == 0) return;
    if (restartsLeft_ == 0) {
        processRestart();
        bits = {0, 0};
    }
    --restartsLeft_;
}
