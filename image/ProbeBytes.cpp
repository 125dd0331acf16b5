#include "image/ProbeBytes.h"

#include "io/Stream.h"

bool peekBytes(Stream* stream, uint32_t minimumSize, uint8_t* buffer, uint32_t count) {
    if (!stream || stream->size() == 0 || stream->size() < minimumSize) return false;
    const uint32_t start = stream->tell();
    stream->read(buffer, count);
    stream->seek(static_cast<int32_t>(start), Stream::kSet);
    return true;
}
