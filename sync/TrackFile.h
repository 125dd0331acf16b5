// Track files: the key count (32-bit integer), then per key its row (32-bit integer),
// value (32-bit float) and interpolation (one byte), little-endian, packed. Files are
// found in the data tree under the name TrackFileName gives.
#pragma once

#include <cstddef>
#include <cstdint>

class SyncTrack;

// Replaces the track's keys by those in `bytes`. -1, with the track unchanged and the
// reason in `message`, when the bytes are not a whole track file: a negative count, more
// keys than the bytes hold or than a track takes, an unknown interpolation, a value that
// is not a finite number, or bytes left over after the keys. Keys out of order are sorted; of two
// keys on one row the later wins.
int parseTrackFile(const uint8_t* bytes, size_t size, SyncTrack& track, char* message,
                   size_t messageSize);

// The paths below the working directory of the track's binary file and of its text form
// (TrackText.h), kPathSize bytes each; false when the base or name makes no file name.
bool trackFilePaths(const char* base, const char* trackName, char* binaryPath, char* textPath);
// Reads the track's file below "data/", or its text form when there is no binary file; with
// neither the track is left as it is (-1, no log line: a track need not have a file), a
// broken one is logged.
int loadTrackFile(const char* base, SyncTrack& track);
// Writes the track's file below "data/", creating missing folders. The file is replaced
// only once the new one is complete. -1 with a log line when it cannot be written.
int saveTrackFile(const char* base, const SyncTrack& track);
