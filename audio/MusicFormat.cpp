#include "audio/MusicFormat.h"

#include "audio/ModuleDecoder.h"
#include "audio/SampledDecoder.h"

#include <cstring>
#include <strings.h>

namespace {
struct Extension {
    const char* text;
    MusicFormat format;
};

const Extension kExtensions[] = {
    {".it", MusicFormat::Module},   {".xm", MusicFormat::Module},   {".s3m", MusicFormat::Module},
    {".mod", MusicFormat::Module},  {".mo3", MusicFormat::Module},  {".wav", MusicFormat::Sampled},
    {".ogg", MusicFormat::Sampled}, {".mp3", MusicFormat::Sampled}, {".flac", MusicFormat::Sampled},
};
} // namespace

MusicFormat musicFormatFor(const char* fileName) {
    const size_t length = std::strlen(fileName);
    for (const Extension& extension : kExtensions) {
        const size_t extensionLength = std::strlen(extension.text);
        if (length >= extensionLength &&
            strcasecmp(fileName + length - extensionLength, extension.text) == 0)
            return extension.format;
    }
    return MusicFormat::Unknown;
}

MusicDecoder* openMusicDecoder(MusicFormat format, const uint8_t* bytes, uint32_t size, char* error,
                               uint32_t errorSize) {
    switch (format) {
    case MusicFormat::Module:
        return ModuleDecoder::open(bytes, size, error, errorSize);
    case MusicFormat::Sampled:
        return SampledDecoder::open(bytes, size, error, errorSize);
    case MusicFormat::Unknown:
        break;
    }
    std::strncpy(error, "unknown file type", errorSize);
    if (errorSize > 0) error[errorSize - 1] = '\0';
    return nullptr;
}
