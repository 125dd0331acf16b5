#include "demo/SyncLink.h"

#include "audio/AudioDevice.h"
#include "demo/Demo.h"
#include "demo/NameHint.h"
#include "log/Log.h"
#include "platform/native/Native.h"
#include <vornex/Effect.h>
#include <vornex/EffectParamTable.h>
#include <vornex/ScriptNode.h>

#include <cstring>
#include <string>
#include <strings.h>
#include <vector>

namespace {
bool editorWanted = false;
uint16_t editorPort = syncProtocol::kEditorPort;

// True when the effect reads `param`, as its parameter table says; an effect without a
// table is taken at its word for any name. Otherwise logs what it takes.
bool effectTakes(Effect& effect, const char* param) {
    const EffectParamTable* table = effect.params();
    if (!table || !table->params || table->count == 0 || !param) return true;
    std::vector<std::string> names;
    for (uint32_t i = 0; i < table->count; ++i) {
        if (!table->params[i] || !table->params[i]->name) continue;
        if (strcasecmp(table->params[i]->name, param) == 0) return true;
        names.push_back(table->params[i]->name);
    }
    Log::instance().print("drive: effect [%s] (%s) has no parameter [%s]%s (it takes %s); drive "
                          "refused",
                          effect.name, effect.type, param, didYouMean(param, names).c_str(),
                          joinedNames(names).c_str());
    return false;
}
} // namespace

void SyncLink::linkToEditor(bool wanted, uint16_t port) {
    editorWanted = wanted;
    editorPort = port;
}

SyncLink::SyncLink(Demo& demo) : demo_(demo) {}

void SyncLink::defineSync(ScriptNode& element) {
    Log& log = Log::instance();
    // What the editor starts with, for whichever of the two is not given.
    float bpm = 120.0f;
    float rowsPerBeat = 8.0f;
    if (element.findAttribute("bpm")) element.getFloat("bpm", bpm);
    if (element.findAttribute("rowsperbeat")) element.getFloat("rowsperbeat", rowsPerBeat);
    if (tracks_.setTiming(bpm, rowsPerBeat) != 0)
        log.print("sync: bpm %g and rowsperbeat %g refused; both must be above 0",
                  static_cast<double>(bpm), static_cast<double>(rowsPerBeat));
    const char* base = nullptr;
    element.getString("base", base);
    if (base && std::strlen(base) >= SyncTrackSet::kBaseSize)
        log.print("sync: base name longer than %u characters refused",
                  static_cast<unsigned>(SyncTrackSet::kBaseSize - 1));
    else if (base && tracks_.setBase(base) != 0)
        log.print("sync: base name [%s] refused: it must stay below data/ (no leading '/', no "
                  "'\\' or ':', no empty, '.' or '..' part)",
                  base);
    log.print("sync: %.3f rows a second, track files [%s]", tracks_.rowsPerSecond(),
              tracks_.base());
}

void SyncLink::defineDrive(ScriptNode& element) {
    Log& log = Log::instance();
    const char* effectName = nullptr;
    const char* param = nullptr;
    const char* trackList = nullptr;
    element.getString("effect", effectName);
    element.getString("param", param);
    element.getString("tracks", trackList);
    Effect* effect = effectName ? demo_.findEffect(effectName) : nullptr;
    if (!effect) {
        log.print("drive: no effect [%s]", effectName ? effectName : "");
        return;
    }
    if (!effectTakes(*effect, param)) return;
    // The same drive again (an event that fires on every seek past it) replaces the old one.
    TrackDrive* drive = nullptr;
    for (uint32_t i = 0; i < driveCount_ && !drive; ++i)
        if (drives_[i].feeds(*effect, param)) drive = &drives_[i];
    if (drive) {
        drive->define(*effect, param, trackList, tracks_);
        return;
    }
    if (driveCount_ >= kMaxDrives) {
        log.print("drive: [%s] of [%s] refused: at most %u drives", param ? param : "", effectName,
                  kMaxDrives);
        return;
    }
    if (drives_[driveCount_].define(*effect, param, trackList, tracks_) == 0) ++driveCount_;
}

float SyncLink::value(int32_t handle) const {
    return tracks_.value(handle, demo_.exactTime());
}

float SyncLink::beforeStep(float delta) {
    const uint32_t now = native::getTickCount();
    if (editorWanted && !client_) {
        client_.reset(new SyncClient(tracks_));
        client_->connect(editorPort, now);
    }
    if (client_) client_->poll(*this, now);
    return paused_ ? 0.0f : delta;
}

void SyncLink::applyDrives() {
    for (uint32_t i = 0; i < driveCount_; ++i) drives_[i].apply(tracks_, demo_.exactTime());
}

void SyncLink::afterStep() {
    if (client_ && !paused_) client_->reportRow(tracks_.wholeRowAt(demo_.exactTime()));
}

void SyncLink::editorSeek(int32_t row) {
    demo_.jumpTo(static_cast<float>(tracks_.secondsAt(row)));
}

void SyncLink::editorPause(bool paused) {
    if (paused == paused_) return;
    paused_ = paused;
    audio::pause(paused);
}

void SyncLink::editorSave() {
    const int failed = tracks_.saveAll();
    Log::instance().print("sync: %u tracks saved to [%s]%s", tracks_.count() - failed,
                          tracks_.base(), failed ? ", some could not be written" : "");
}

void SyncLink::editorGone() {
    editorPause(false);
}
