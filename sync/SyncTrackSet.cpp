#include "sync/SyncTrackSet.h"

#include "sync/TrackFile.h"
#include "sync/TrackFileName.h"
#include <vornex/HostLog.h>

#include <climits>
#include <cmath>
#include <cstring>

namespace {
// 120 beats a minute, 8 rows a beat: what the editor starts with.
constexpr double kDefaultRowsPerSecond = 120.0 / 60.0 * 8.0;
} // namespace

SyncTrackSet::SyncTrackSet() : rowsPerSecond_(kDefaultRowsPerSecond) {}

int SyncTrackSet::setTiming(float bpm, float rowsPerBeat) {
    const double rate = static_cast<double>(bpm) / 60.0 * static_cast<double>(rowsPerBeat);
    if (!(rate > 0.0) || !std::isfinite(rate)) return -1;
    rowsPerSecond_ = rate;
    return 0;
}

int SyncTrackSet::setBase(const char* base) {
    if (!base || std::strlen(base) >= kBaseSize || (base[0] && !trackBaseUsable(base))) return -1;
    std::strcpy(base_, base);
    for (uint32_t i = 0; i < count_; ++i) loadTrackFile(base_, *tracks_[i]);
    return 0;
}

int32_t SyncTrackSet::wholeRowAt(double seconds) const {
    const double row = std::floor(rowAt(seconds));
    if (!(row > INT32_MIN)) return INT32_MIN;
    if (row > INT32_MAX) return INT32_MAX;
    return static_cast<int32_t>(row);
}

int32_t SyncTrackSet::acquire(const char* name) {
    if (!name) return -1;
    const int32_t music = musicTracks::find(name);
    if (music >= 0) return int32_t(kMaxTracks) + music;
    if (music == -2) {
        hostLog("ERROR sync: track [%s] refused: the music tracks are music.level, music.low, "
                "music.mid, music.high and music.beat",
                name);
        return -1;
    }
    for (uint32_t i = 0; i < count_; ++i)
        if (std::strcmp(tracks_[i]->name(), name) == 0) return static_cast<int32_t>(i);
    if (!trackNameUsable(name) || std::strlen(name) >= SyncTrack::kNameSize) {
        hostLog("ERROR sync: track name [%s] refused (empty, too long, or leaving its folder)",
                name);
        return -1;
    }
    if (count_ >= kMaxTracks) {
        hostLog("ERROR sync: track [%s] refused: at most %u tracks", name, kMaxTracks);
        return -1;
    }
    tracks_[count_].reset(new SyncTrack);
    SyncTrack& track = *tracks_[count_];
    track.setName(name);
    if (base_[0]) loadTrackFile(base_, track);
    return static_cast<int32_t>(count_++);
}

SyncTrack* SyncTrackSet::track(int32_t handle) {
    return handle >= 0 && static_cast<uint32_t>(handle) < count_ ? tracks_[handle].get() : nullptr;
}

float SyncTrackSet::value(int32_t handle, double seconds) const {
    const int64_t music = int64_t(handle) - kMaxTracks;
    if (music >= 0 && music < musicTracks::kCount) return musicValues_[music];
    if (handle < 0 || static_cast<uint32_t>(handle) >= count_) return 0.0f;
    return tracks_[handle]->value(rowAt(seconds));
}

void SyncTrackSet::setMusicValue(uint32_t index, float value) {
    if (index < musicTracks::kCount) musicValues_[index] = value;
}

int SyncTrackSet::saveAll() const {
    if (!base_[0]) {
        hostLog("ERROR sync: no base name for the track files (sync element); nothing saved");
        return static_cast<int>(count_);
    }
    int failed = 0;
    for (uint32_t i = 0; i < count_; ++i)
        if (saveTrackFile(base_, *tracks_[i]) != 0) ++failed;
    return failed;
}
