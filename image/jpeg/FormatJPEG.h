// JPEG reader: reads the whole file, decodes it with JpegDecoder and stores the rows bottom
// row first, blue first, 24 bits per pixel, whatever the file's colours (grey, YCbCr, RGB,
// CMYK, YCCK). Any file that starts with SOI and a marker is taken; a file the decoder
// refuses gives a warning on standard output and a reason().
#pragma once

#include <vornex/Image.h>

class Stream;

class cFormatJPEG : public cFormat {
public:
    static int probe(Stream* stream);
    // A failure partway through the rows prints how far decoding got and still succeeds;
    // the rows not reached stay black.
    cFormatJPEG();
    int load(Stream* stream) override;
    // Why the last load failed in the decoder ("12-bit JPEG not supported"); empty after a
    // success or a failure before decoding.
    const char* reason() const { return reason_; }
    // Whether large pictures may be read on two threads; on where the processor has more
    // than one core. The bytes are the same either way.
    void setTwoThreads(bool on) { twoThreads_ = on; }

private:
    const char* reason_ = "";
    bool twoThreads_;
};
