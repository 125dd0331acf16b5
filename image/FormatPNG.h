// PNG reader on libpng 1.6: images of any colour type and bit depth become 24-bit BGR, or
// 32-bit BGRA when they carry alpha, bottom row first. Palette and grey images are expanded
// to colour (with alpha when a palette or grey image has a transparency chunk). Pictures of
// more than 16,384 x 16,384 pixels are refused, whatever their shape. libpng's errors come
// back through its jump buffer as a failed load, with libpng's message as the reason.
// Ancillary chunks (text, profiles, ...) are skipped unread, and no other chunk may hold
// more than a few megabytes, so a small file cannot make libpng take much memory.
#pragma once

#include <vornex/Image.h>

class Stream;

class cFormatPNG : public cFormat {
public:
    static int probe(Stream* stream);
    int load(Stream* stream) override;
};
