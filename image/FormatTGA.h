// TGA reader: image types 1, 2, 3 (colour-mapped, true-colour, grey) and their run-length
// forms 9, 10, 11, of 8, 16, 24 or 32 bits per pixel. Pixels are kept as stored: the
// descriptor byte (origin, alpha bits) is not looked at, and a colour map is read into
// `colourMap` but not applied, so colour-mapped files give their 8-bit indices.
#pragma once

#include <vornex/Image.h>

class Stream;

class cFormatTGA : public cFormat {
public:
    struct MapEntry {
        uint8_t red, green, blue, alpha;
    };
    static constexpr int kMapEntries = 256;

    ~cFormatTGA() override;
    static int probe(Stream* stream);
    int load(Stream* stream) override;

    // NUL-terminated identifier field, or null when the file has none.
    const char* imageId() const { return imageId_; }
    bool hasColourMap() const { return hasColourMap_; }
    const MapEntry& colourMap(int index) const { return colourMap_[index]; }

private:
    void clear();
    int readColourMap(Stream* stream, const uint8_t* header);
    void readRunLength(Stream* stream);

    uint8_t imageType = 0;
    char* imageId_ = nullptr;
    MapEntry colourMap_[kMapEntries] = {};
    bool hasColourMap_ = false;
};
