// PNG reader on libpng 1.6: colour images of any bit depth become 24-bit BGR, or 32-bit
// BGRA when they carry alpha, bottom row first. Palette images are expanded to colour (with
// alpha when they have a transparency chunk). Grey images are refused. libpng's errors come
// back through its jump buffer as a failed load.
#pragma once

#include <vornex/Image.h>

class Stream;

class cFormatPNG : public cFormat {
public:
    static int probe(Stream* stream);
    int load(Stream* stream) override;
};
