// A demo's sync tracks: the `sync` element's settings (beats per minute, rows per beat,
// the base name of the track files), the `drive` elements that feed effect parameters
// from tracks every frame (one per effect and parameter: a drive of the same pair
// replaces the old one), and, when the player was started with --sync, the editor link:
// the editor's key changes apply at once, its seeks move the demo through its seek path,
// its pause holds the demo and its music, and the demo tells it the row it plays.
#pragma once

#include "demo/TrackDrive.h"
#include "sync/SyncClient.h"
#include "sync/SyncTrackSet.h"

#include <cstdint>
#include <memory>

class Demo;
struct ScriptNode;

class SyncLink : private SyncEditorListener {
public:
    static constexpr uint32_t kMaxDrives = 64;

    // Process-wide, set from the command line: demos link to an editor on this port.
    static void linkToEditor(bool wanted, uint16_t port = syncProtocol::kEditorPort);

    explicit SyncLink(Demo& demo);
    SyncLink(const SyncLink&) = delete;
    SyncLink& operator=(const SyncLink&) = delete;

    // `sync` element: `bpm`, `rowsperbeat`, `base`.
    void defineSync(ScriptNode& element);
    // `drive` element: `effect`, `param`, `tracks`. Replaces the drive of the same effect
    // and parameter (any case), if there is one and the new one is not refused.
    void defineDrive(ScriptNode& element);

    int32_t track(const char* name) { return tracks_.acquire(name); }
    // The track's value at the demo's time.
    float value(int32_t handle) const;

    // Before a frame step: links to the editor from the first frame on when wanted (trying
    // again about once a second of the tick counter while not linked), and applies what the
    // editor sent. The step to take: `delta`, or 0 while the editor holds the demo.
    float beforeStep(float delta);
    // In the frame step, once the clock has moved: every drive feeds its effect.
    void applyDrives();
    // After the frame step: the editor learns the row.
    void afterStep();

    bool paused() const { return paused_; }
    SyncTrackSet& tracks() { return tracks_; }

private:
    void editorSeek(int32_t row) override;
    void editorPause(bool paused) override;
    void editorSave() override;
    void editorGone() override;

    Demo& demo_;
    SyncTrackSet tracks_;
    std::unique_ptr<SyncClient> client_; // made on the first frame when an editor is wanted
    TrackDrive drives_[kMaxDrives];
    uint32_t driveCount_ = 0;
    bool paused_ = false;
};
