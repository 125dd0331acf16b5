#include "image/ReadImage.h"

#include "image/FormatBMP.h"
#include "image/FormatPNG.h"
#include "image/FormatTGA.h"
#include "image/gif/FormatGIF.h"
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
} // namespace

cFormat* readImage(Stream* stream) {
    for (const FormatEntry& format : kFormats) {
        if (format.probe(stream) != 1) continue;
        cFormat* reader = format.make();
        if (!reader) continue;
        if (reader->load(stream) == 0) return reader;
        delete reader;
        stream->seek(0, Stream::SET);
    }
    return nullptr;
}

cFormat* loadImage(const char* fileName) {
    DataFile file(fileName);
    cFormat* image = readImage(&file);
    // A missing file has had its message from the file layer; one that is there but that no
    // reader takes (a refused size or depth, a damaged or unknown format) says so here.
    if (!image && file.size() > 0) std::printf("Error: no reader accepts image %s\n", fileName);
    return image;
}
