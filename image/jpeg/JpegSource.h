// Byte input of the JPEG decoder. The decoder pulls bytes through `read` and calls `attach`
// once when it starts using the source and `detach` when it lets go of it. The slot order of
// the virtual operations is fixed.
#pragma once

class JpegSource {
public:
    virtual ~JpegSource() = default;
    // Delivers up to `maxBytes` bytes and returns how many, or -1 for a read error; sets
    // `endOfData` once the data is exhausted.
    virtual int read(unsigned char* buffer, int maxBytes, bool& endOfData) = 0;
    virtual void attach() = 0;
    virtual void detach() = 0;
};
