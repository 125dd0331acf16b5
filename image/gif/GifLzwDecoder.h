// The variable-length-code LZW decoder of GIF image data: reads the minimum code size and
// the data sub-blocks and writes one palette index per decoded character. Stops at the end
// code, at the end of the data, when the output is full, or at a code chain that cannot be
// resolved; in every case the rest of the image data is skipped, so the block reader
// continues after it.
#pragma once

#include <cstdint>

class Stream;

class GifLzwDecoder {
public:
    // 0 when an end code was reached, -1 for data that stopped early or is broken.
    // `written` receives the number of indices produced (at most `capacity`).
    int decode(Stream* stream, uint8_t* output, uint32_t capacity, uint32_t& written);

private:
    int run(class GifSubBlocks& data, uint32_t minimumCodeSize, uint8_t* output, uint32_t capacity,
            uint32_t& written);

    static constexpr uint32_t kMaxCodes = 4096;
    static constexpr uint32_t kMaxWidth = 12;

    uint16_t prefix_[kMaxCodes] = {};
    uint8_t suffix_[kMaxCodes] = {};
    uint8_t stack_[kMaxCodes] = {};
};
