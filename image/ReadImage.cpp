#include "image/ReadImage.h"

#include "image/FormatBMP.h"
#include "image/FormatPNG.h"
#include "image/FormatTGA.h"
#include "image/ImageRefusal.h"
#include "image/gif/FormatGIF.h"
#include "image/gif/GifScreenImage.h"
#include "image/jpeg/FormatJPEG.h"
#include "io/DataFile.h"

#include <cstdio>
#include <new>

namespace {
template <class Reader> cFormat* make() {
    return new (std::nothrow) Reader;
}

struct FormatEntry {
    int (*probe)(Stream*);
    cFormat* (*make)();
};

// TGA goes first: a file that passes the TGA header rules is read as TGA whatever else it
// might be.
const FormatEntry kFormats[] = {
    {cFormatTGA::probe, make<cFormatTGA>}, {cFormatJPEG::probe, make<cFormatJPEG>},
    {cFormatBMP::probe, make<cFormatBMP>}, {cFormatPNG::probe, make<cFormatPNG>},
    {cFormatGIF::probe, make<cFormatGIF>},
};

void reportRefusal(const char* fileName) {
    if (imageRefusal()[0] != '\0')
        std::printf("Error: image %s: %s\n", fileName, imageRefusal());
    else
        std::printf("Error: no reader accepts image %s\n", fileName);
}
} // namespace

cFormat* readImage(Stream* stream) {
    clearImageRefusal();
    for (const FormatEntry& format : kFormats) {
        if (format.probe(stream) != 1) continue;
        cFormat* reader = format.make();
        if (!reader) continue;
        if (reader->load(stream) == 0) return reader;
        delete reader;
        stream->seek(0, Stream::kSet);
    }
    return nullptr;
}

cFormat* readTextureImage(Stream* stream) {
    cFormat* image = readImage(stream);
    cFormatGIF* gif = dynamic_cast<cFormatGIF*>(image);
    if (!gif) return image;
    GifScreenImage* screen = new (std::nothrow) GifScreenImage;
    clearImageRefusal();
    if (screen && screen->compose(*gif) != 0) {
        delete screen;
        screen = nullptr;
    }
    delete gif;
    return screen;
}

namespace {
cFormat* openAndRead(const char* fileName, cFormat* (*read)(Stream*)) {
    DataFile file(fileName);
    cFormat* image = read(&file);
    // A missing file has had its message from the file layer.
    if (!image && file.size() > 0) reportRefusal(fileName);
    if (image && imageDamage()[0] != '\0')
        std::printf("Warning: image %s: %s\n", fileName, imageDamage());
    return image;
}
} // namespace

cFormat* loadImage(const char* fileName) {
    return openAndRead(fileName, readImage);
}

cFormat* loadTextureImage(const char* fileName) {
    return openAndRead(fileName, readTextureImage);
}
