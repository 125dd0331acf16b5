#include "demo/TrackDrive.h"

#include "log/Log.h"
#include "sync/SyncTrack.h"
#include "sync/SyncTrackSet.h"
#include <vornex/Effect.h>
#include <vornex/ScriptNode.h>

#include <cstdio>
#include <cstring>
#include <strings.h>

TrackDrive::TrackDrive() = default;
TrackDrive::~TrackDrive() = default;

int TrackDrive::define(Effect& effect, const char* param, const char* trackList,
                       SyncTrackSet& tracks) {
    Log& log = Log::instance();
    if (!param || !param[0] || std::strlen(param) >= ScriptAttribute::kNameSize) {
        log.print("drive: effect [%s] needs a param of at most %u characters", effect.name,
                  static_cast<unsigned>(ScriptAttribute::kNameSize - 1));
        return -1;
    }
    int32_t handles[kMaxTracks];
    uint32_t count = 0;
    const char* at = trackList ? trackList : "";
    for (;;) {
        const char* comma = std::strchr(at, ',');
        const char* stop = comma ? comma : at + std::strlen(at);
        while (at < stop && *at == ' ') ++at;
        while (stop > at && stop[-1] == ' ') --stop;
        const size_t length = static_cast<size_t>(stop - at);
        char name[SyncTrack::kNameSize];
        if (count >= kMaxTracks || length == 0 || length >= sizeof name) {
            log.print("drive: [%s] of [%s] needs 1 to %u track names in tracks=\"%s\"", param,
                      effect.name, kMaxTracks, trackList ? trackList : "");
            return -1;
        }
        std::memcpy(name, at, length);
        name[length] = '\0';
        handles[count] = tracks.acquire(name);
        if (handles[count] < 0) return -1; // the track set said why
        ++count;
        if (!comma) break;
        at = comma + 1;
    }
    // Defined again (an event firing again), the drive keeps its element.
    if (!element_) {
        element_.reset(new ScriptNode);
        element_->attributes.push_back(new ScriptAttribute);
    }
    std::snprintf(element_->name, ScriptNode::kNameSize, "%s", effect.name);
    std::strcpy(element_->attributes[0]->name, param);
    effect_ = &effect;
    std::memcpy(tracks_, handles, sizeof handles);
    count_ = count;
    return 0;
}

bool TrackDrive::feeds(const Effect& effect, const char* param) const {
    return effect_ == &effect && param && strcasecmp(element_->attributes[0]->name, param) == 0;
}

void TrackDrive::apply(SyncTrackSet& tracks, double seconds) {
    if (!effect_) return;
    char* value = element_->attributes[0]->value;
    // A shorter text must not leave the longer one's tail behind its terminator: the
    // record goes back to the pool, which hands records out as all zero.
    std::memset(value, 0, std::strlen(value));
    size_t used = 0;
    for (uint32_t i = 0; i < count_; ++i) {
        const int written =
            std::snprintf(value + used, ScriptAttribute::kValueSize - used, i ? ",%.9g" : "%.9g",
                          static_cast<double>(tracks.value(tracks_[i], seconds)));
        used += static_cast<size_t>(written);
    }
    effect_->configure(element_.get());
}
