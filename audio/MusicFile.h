// The whole of a music file in memory, read from the data tree's "music/" folder. Every
// music extension belongs there, ".flac" included.
#pragma once

#include "resource/MemoryStream.h"

class MusicFile : public MemoryStream {
public:
    // Prints "load[%s]\n" with the complete path; a missing, empty or unreadable file
    // gives an empty stream.
    explicit MusicFile(const char* fileName);
    ~MusicFile() override;

    MusicFile(const MusicFile&) = delete;
    MusicFile& operator=(const MusicFile&) = delete;
};
