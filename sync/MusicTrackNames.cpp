#include "sync/MusicTrackNames.h"

#include <cstring>

namespace musicTracks {

const char* const kNames[kCount] = {"music.level", "music.low", "music.mid", "music.high",
                                    "music.beat"};

int32_t find(const char* name) {
    if (std::strncmp(name, kPrefix, sizeof kPrefix - 1) != 0) return -1;
    for (uint32_t i = 0; i < kCount; ++i)
        if (std::strcmp(name, kNames[i]) == 0) return int32_t(i);
    return -2;
}

} // namespace musicTracks
