#include "image/gif/GifLzwDecoder.h"

#include "image/gif/GifSubBlocks.h"
#include "io/Stream.h"

int GifLzwDecoder::decode(Stream* stream, uint8_t* output, uint32_t capacity, uint32_t& written) {
    written = 0;
    uint8_t minimumCodeSize = 0;
    if (stream->read(&minimumCodeSize, 1) != 0) return -1;
    GifSubBlocks data(stream);
    const int status = run(data, minimumCodeSize, output, capacity, written);
    data.skipRest();
    return status;
}

int GifLzwDecoder::run(GifSubBlocks& data, uint32_t minimumCodeSize, uint8_t* output,
                       uint32_t capacity, uint32_t& written) {
    if (minimumCodeSize >= kMaxWidth) return -1;
    const uint32_t clear = 1u << minimumCodeSize;
    const uint32_t end = clear + 1;
    uint32_t width = 0, mask = 0, next = 0;
    bool afterClear = true;
    auto restart = [&] {
        width = minimumCodeSize + 1;
        mask = (1u << width) - 1;
        next = clear + 2;
        afterClear = true;
    };
    restart();

    uint32_t bits = 0, bitCount = 0;
    uint32_t previous = 0;
    uint8_t first = 0;
    bool firstCode = true;
    for (;;) {
        while (bitCount < width) {
            const int byte = data.next();
            if (byte < 0) return -1;
            bits |= uint32_t(byte) << bitCount;
            bitCount += 8;
        }
        const uint32_t code = bits & mask;
        bits >>= width;
        bitCount -= width;

        // Whatever the first code is, decoding starts from a clear table.
        if (firstCode || code == clear) {
            firstCode = false;
            restart();
            continue;
        }
        if (code == end) return 0;
        if (afterClear) {
            if (written == capacity) return -1;
            output[written++] = uint8_t(code);
            previous = code;
            first = uint8_t(code);
            afterClear = false;
            continue;
        }

        // The string is collected last character first. A code not yet defined stands for
        // the previous string plus its own first character. A broken table can chain in a
        // loop; the stack bound catches that.
        uint32_t depth = 0;
        uint32_t current = code;
        if (code >= next) {
            stack_[depth++] = first;
            current = previous;
        }
        while (current >= clear) {
            if (depth == kMaxCodes) return -1;
            stack_[depth++] = suffix_[current];
            current = prefix_[current];
        }
        if (depth == kMaxCodes) return -1;
        stack_[depth++] = uint8_t(current);
        first = uint8_t(current);
        while (depth > 0) {
            if (written == capacity) return -1;
            output[written++] = stack_[--depth];
        }

        // Once the table is full, codes keep their 12 bits and nothing new is defined until
        // a clear code.
        if (next < kMaxCodes) {
            prefix_[next] = uint16_t(previous);
            suffix_[next] = first;
            ++next;
        }
        previous = code;
        if (next > mask && width < kMaxWidth) {
            ++width;
            mask = (1u << width) - 1;
        }
    }
}
