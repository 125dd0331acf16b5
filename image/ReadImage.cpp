#include "image/ReadImage.h"

#include "image/FormatBMP.h"
#include "image/FormatGIF.h"
#include "image/FormatJPEG.h"
#include "image/FormatPNG.h"
#include "image/FormatTGA.h"
#include "resource/DataFile.h"

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
    return readImage(&file);
}
