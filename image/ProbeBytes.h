// Shared first step of every probe: refuse a null or too short stream, otherwise read the
// first bytes and put the stream back where it was.
#pragma once

#include <cstdint>

class Stream;

// True when `stream` holds at least `minimumSize` bytes; then `count` bytes from the
// current position are in `buffer` (zero-filled past the end) and the position is unchanged.
bool peekBytes(Stream* stream, uint32_t minimumSize, uint8_t* buffer, uint32_t count);
