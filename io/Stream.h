// Abstract byte stream read by the script reader and the image readers. The slot order of
// the virtual operations is fixed.
#pragma once

#include <cstdint>

class Stream {
public:
    enum Origin { kSet = 0, kCurrent = 1, kEnd = 2 };

    virtual ~Stream() = default;
    // Both return 0 when all `length` bytes were moved and -1 when the request ran past the
    // end (the part inside is moved, the rest of a read buffer is zero-filled); `position`
    // advances by `length` either way.
    virtual int read(void* buffer, uint32_t length) = 0;
    virtual int write(const void* buffer, uint32_t length) = 0;
    // kEnd counts `offset` back from the end.
    virtual int seek(int32_t offset, int origin) = 0;
    virtual uint32_t tell() = 0;
    virtual uint32_t size() = 0;
    virtual bool atEnd() = 0;

protected:
    // The position a seek moves to from `position`; `end` is only read for kEnd, and an
    // unknown origin keeps the position.
    static uint32_t seekTarget(uint32_t position, int32_t offset, int origin, uint32_t end) {
        const uint32_t distance = static_cast<uint32_t>(offset);
        switch (origin) {
        case kSet:
            return distance;
        case kCurrent:
            return position + distance;
        case kEnd:
            return end - distance;
        default:
            return position;
        }
    }
};
