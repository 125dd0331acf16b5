// JPEG (JFIF) reader: reads the whole file, decodes it with JpegDecoder and stores the rows
// bottom row first, blue first, 24 bits per pixel. Only files whose first segment is the
// JFIF APP0 segment are taken; grey and four-component files are refused with a warning on
// standard output.
#pragma once

#include <vornex/Image.h>

class Stream;

class cFormatJPEG : public cFormat {
public:
    static int probe(Stream* stream);
    // A failure partway through the rows prints how far decoding got and still succeeds;
    // the rows not reached stay black.
    int load(Stream* stream) override;
};
