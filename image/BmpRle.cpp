#include "image/BmpRle.h"

namespace {
enum Escape : uint8_t { kEndOfLine = 0, kEndOfPicture = 1, kDelta = 2 };

class RleOutput {
public:
    RleOutput(uint8_t* indices, int32_t width, int32_t height)
        : indices_(indices), width_(width), height_(height) {}

    void put(uint8_t index) {
        if (x_ < width_ && y_ < height_) indices_[int64_t(y_) * width_ + x_] = index;
        ++x_;
    }
    void nextLine() {
        x_ = 0;
        ++y_;
    }
    void move(uint8_t right, uint8_t up) {
        x_ += right;
        y_ += up;
    }
    bool done() const { return y_ >= height_; }

private:
    uint8_t* indices_;
    int32_t width_, height_;
    // A delta moves at most 255 a step, and every step reads two bytes: no overflow.
    int64_t x_ = 0, y_ = 0;
};
} // namespace

void decodeBmpRle(const uint8_t* data, uint32_t size, bool fourBit, int32_t width, int32_t height,
                  uint8_t* indices) {
    RleOutput out(indices, width, height);
    uint32_t at = 0;
    while (!out.done() && size - at >= 2) {
        const uint8_t count = data[at], value = data[at + 1];
        at += 2;
        if (count > 0) {
            // A run of one index, or of two alternating 4-bit indices.
            for (uint32_t i = 0; i < count; ++i)
                out.put(fourBit ? uint8_t(i % 2 ? value & 0x0F : value >> 4) : value);
            continue;
        }
        if (value == kEndOfLine) {
            out.nextLine();
        } else if (value == kEndOfPicture) {
            return;
        } else if (value == kDelta) {
            if (size - at < 2) return;
            out.move(data[at], data[at + 1]);
            at += 2;
        } else {
            // `value` indices stored as they are, padded to a whole number of 16-bit words.
            const uint32_t bytes = fourBit ? (value + 1u) / 2 : value;
            if (size - at < bytes) return;
            for (uint32_t i = 0; i < value; ++i) {
                const uint8_t byte = data[at + (fourBit ? i / 2 : i)];
                out.put(fourBit ? uint8_t(i % 2 ? byte & 0x0F : byte >> 4) : byte);
            }
            at += bytes + (bytes & 1);
            if (at > size) return;
        }
    }
}
