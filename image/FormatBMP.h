// BMP reader for uncompressed 24- and 32-bit files with a positive height (bottom-up rows).
// The pixel block is taken as stored, row padding included: texture widths are multiples
// of 8, whose 24-bit rows need no padding. Palette, compressed and top-down files are
// refused by the probe.
#pragma once

#include <vornex/Image.h>

class Stream;

class cFormatBMP : public cFormat {
public:
    static int probe(Stream* stream);
    int load(Stream* stream) override;
};
