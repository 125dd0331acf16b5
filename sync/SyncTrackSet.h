// The tracks one demo uses, in the order they were first asked for (a track's handle is
// its index, which is also the number the editor gives it), with the sync settings that
// turn demo time into rows and name the track files. A fixed table: a track beyond it is
// refused with a log line. The music tracks (MusicTrackNames.h) are served beside the
// table: their handles follow it, their values are set by the player every frame, and they
// are neither saved nor counted.
#pragma once

#include "sync/MusicTrackNames.h"
#include "sync/SyncTrack.h"

#include <cstddef>
#include <cstdint>
#include <memory>

class SyncTrackSet {
public:
    static constexpr uint32_t kMaxTracks = 128;
    static constexpr size_t kBaseSize = 256;

    SyncTrackSet();
    SyncTrackSet(const SyncTrackSet&) = delete;
    SyncTrackSet& operator=(const SyncTrackSet&) = delete;

    // Rows per second = bpm / 60 * rows per beat; non-positive or non-finite values are
    // refused (-1, settings unchanged). A base name, once set, reloads every track from
    // its file; -1, the base unchanged, when it is too long or could lead out of the data
    // folder (trackBaseUsable). An empty base means no files.
    int setTiming(float bpm, float rowsPerBeat);
    int setBase(const char* base);
    double rowsPerSecond() const { return rowsPerSecond_; }
    double rowAt(double seconds) const { return seconds * rowsPerSecond_; }
    // The whole row played at `seconds`, as the editor is told it: held within the 32 bits
    // the protocol carries (a seek to the last row plays on past it).
    int32_t wholeRowAt(double seconds) const;
    double secondsAt(double row) const { return row / rowsPerSecond_; }
    const char* base() const { return base_; }

    // The handle of the track of that name (exact comparison), made and read from its file
    // on first use; a music track's fixed handle. -1 with a log line when the name is
    // unusable, an unknown music track, or the table full.
    int32_t acquire(const char* name);
    // Null for a handle that names no track (a music track's included).
    SyncTrack* track(int32_t handle);
    uint32_t count() const { return count_; }

    // The track's value at a demo time; 0 for an invalid handle. A music track's value is
    // the one last set, whatever the time.
    float value(int32_t handle, double seconds) const;
    // `index` as in musicTracks::kNames; out of range is ignored.
    void setMusicValue(uint32_t index, float value);
    // Writes every track's file; the number that failed (all of them without a base name).
    int saveAll() const;

private:
    // Made on first use: each holds a full key table.
    std::unique_ptr<SyncTrack> tracks_[kMaxTracks];
    uint32_t count_ = 0;
    float musicValues_[musicTracks::kCount] = {};
    double rowsPerSecond_;
    char base_[kBaseSize] = {};
};
