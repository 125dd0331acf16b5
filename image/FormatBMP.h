// BMP reader for uncompressed 24- and 32-bit files with a positive height (bottom-up rows).
// Rows are read without the padding that aligns them to four bytes in the file, so the
// image's rows are tightly packed. Palette, compressed and top-down files are refused by
// the probe.
#pragma once

#include <vornex/Image.h>

class Stream;

class cFormatBMP : public cFormat {
public:
    static int probe(Stream* stream);
    int load(Stream* stream) override;
};
