// The text form of track files from outside bytes: read into a track, then evaluated across
// and beyond its keys as a playing demo would, and written out again.
#include "sync/SyncTrack.h"
#include "sync/TrackText.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static SyncTrack track;
    char message[128];
    if (parseTrackText(data, size, track, message, sizeof message) != 0) return 0;
    for (double row = -8.0; row < 4096.0; row += 7.25) track.value(row);
    if (track.keyCount() > 0) track.value(track.key(track.keyCount() - 1).row + 0.5);
    trackText(track, "fuzz");
    return 0;
}
