#include "io/DataLocator.h"

#include <cstdio>
#include <cstring>
#include <strings.h>

namespace {
struct FolderRule {
    const char* folder;
    const char* extensions[9];
};

// Tested in this order; at most one extension matches a name.
const FolderRule kRules[] = {
    {"palettes/", {".pal", ".col"}},
    {"textures/", {".tga", ".jpg", ".png", ".bmp", ".gif"}},
    {"music/", {".it", ".xm", ".s3m", ".mod", ".mo3", ".wav", ".ogg", ".mp3", ".flac"}},
    {"scenes/", {".zen", ".f3d", ".3ds"}},
    {"videos/", {".avi", ".mpg", ".wmv"}},
    {"fonts/", {".ttf", ".otf"}},
};

bool endsWith(const char* name, size_t nameLength, const char* extension) {
    const size_t length = std::strlen(extension);
    return nameLength >= length && strcasecmp(name + nameLength - length, extension) == 0;
}
} // namespace

const char* DataLocator::folderFor(const char* fileName) {
    const size_t length = std::strlen(fileName);
    for (const FolderRule& rule : kRules)
        for (const char* extension : rule.extensions)
            if (extension && endsWith(fileName, length, extension)) return rule.folder;
    return "";
}

bool DataLocator::resolve(const char* fileName, char* path) {
    const int written = std::snprintf(path, kPathSize, "data/%s%s", folderFor(fileName), fileName);
    if (written < 0 || static_cast<size_t>(written) >= kPathSize) {
        path[0] = '\0';
        return false;
    }
    return true;
}
