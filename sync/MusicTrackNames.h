// The track names the player fills from the music analysis, in the order of their index:
// music.level, music.low, music.mid, music.high, music.beat. Every other name beginning
// "music." is refused, so a misspelt one is reported instead of becoming a keyed track.
// These tracks have no keys and no file, and the editor is never offered them.
#pragma once

#include <cstdint>

namespace musicTracks {

constexpr uint32_t kCount = 5;
constexpr const char kPrefix[] = "music.";
extern const char* const kNames[kCount];

// The index of a reserved name (exact comparison); -1 for a name outside the reserved
// prefix, -2 for an unknown name inside it.
int32_t find(const char* name);

} // namespace musicTracks
