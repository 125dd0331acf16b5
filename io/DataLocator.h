// The data locator rule: content files are named by bare file names and live in "data/",
// in a subfolder chosen by the name's extension.
#pragma once

#include <cstddef>

class DataLocator {
public:
    static constexpr size_t kPathSize = 512;

    // The folder for a file name ("textures/", "music/", ...; "" for any other name).
    static const char* folderFor(const char* fileName);
    // Writes "data/" + folder + name into `path` (kPathSize bytes). Returns false, with
    // `path` empty, when the complete path would not fit.
    static bool resolve(const char* fileName, char* path);
};
