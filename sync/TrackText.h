// The text form of track files, for authors without the editor and for reading and diffing
// tracks: one key a line, "row value interpolation" (step, linear, smooth or ramp), blanks
// between them, '#' to the end of a line a comment. It lies beside the binary file, named as
// it with ".txt" added, and is read only when the binary file is missing: the editor saves
// binary files, which then take over.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class SyncTrack;

// Replaces the track's keys by those the text gives. -1, with the track unchanged and
// "line N: reason" in `message`, when a line is not a key, a row is not a whole number in
// 32 bits, a value is not a finite number, an interpolation is unknown or there are more
// keys than a track takes. Of two keys on one row the later wins.
int parseTrackText(const uint8_t* bytes, size_t size, SyncTrack& track, char* message,
                   size_t messageSize);
// The text form of the track's keys, headed by a comment naming `title`.
std::string trackText(const SyncTrack& track, const char* title);
// Writes the text form of every binary track file of `base` ("<base>_*.track" below
// data/) beside it, reporting each on standard output. The number of files that could not
// be read or written; -1 when there is no such file.
int writeTrackTexts(const char* base);
