// A `drive` element: one parameter of an effect fed from sync tracks every frame. The
// effect receives, through its own configure operation, an element named after it whose
// one attribute is the parameter with the tracks' values ("0.5", or "1,0.2,0,1" for a
// colour), exactly as if the script had written it, so every effect's numeric parameters
// can follow tracks without code of its own.
#pragma once

#include <cstdint>
#include <memory>

class Effect;
class SyncTrackSet;
struct ScriptNode;

class TrackDrive {
public:
    static constexpr uint32_t kMaxTracks = 4;

    TrackDrive();
    ~TrackDrive();
    TrackDrive(const TrackDrive&) = delete;
    TrackDrive& operator=(const TrackDrive&) = delete;

    // `param` names the attribute, `tracks` its components, comma-separated. -1 with a
    // log line, the drive as it was, when something is missing or the tracks are refused.
    int define(Effect& effect, const char* param, const char* trackList, SyncTrackSet& tracks);
    // True when the drive feeds `param` (any case) of `effect`.
    bool feeds(const Effect& effect, const char* param) const;
    // Writes the values at `seconds` into the element and hands it to the effect.
    void apply(SyncTrackSet& tracks, double seconds);

private:
    Effect* effect_ = nullptr;
    std::unique_ptr<ScriptNode> element_;
    int32_t tracks_[kMaxTracks] = {};
    uint32_t count_ = 0;
};
