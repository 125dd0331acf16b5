// The demo's side of the editor link: connects to the editor on the loopback address,
// greets it, asks for every track of the set (tracks made later are asked for as they
// come), applies key changes to the tracks at once and hands seeks, pauses and save
// requests to a listener. Nothing here waits: every call does what the network allows
// and returns. When the editor is missing or goes away, one log line, and the demo plays
// on with the keys it has.
#pragma once

#include "sync/SyncProtocol.h"
#include "sync/SyncSocket.h"

#include <cstddef>
#include <cstdint>

class SyncTrackSet;

class SyncEditorListener {
public:
    virtual void editorSeek(int32_t row) = 0;
    virtual void editorPause(bool paused) = 0;
    virtual void editorSave() = 0;
    // The link ended: the demo is on its own again.
    virtual void editorGone() = 0;

protected:
    ~SyncEditorListener() = default;
};

class SyncClient {
public:
    static constexpr size_t kBufferSize = 64 * 1024;

    explicit SyncClient(SyncTrackSet& tracks);

    // Starts connecting to the editor's port on 127.0.0.1.
    void connect(uint16_t port = syncProtocol::kEditorPort);
    // Moves the connection on, asks for new tracks, and applies every whole command
    // that has arrived (at most one buffer's worth per call).
    void poll(SyncEditorListener& listener);
    // Tells the editor the row being played, when it differs from the last one told.
    void reportRow(int32_t row);
    bool linked() const { return stage_ == kLinked; }

private:
    enum Stage { kIdle, kConnecting, kGreeting, kLinked };

    void drop(SyncEditorListener& listener, const char* reason);
    bool queue(const uint8_t* bytes, size_t size);
    // False when the connection broke.
    bool flush();
    void requestNewTracks();
    // One whole command of a known kind.
    void apply(const uint8_t* command, SyncEditorListener& listener);

    SyncTrackSet& tracks_;
    SyncSocket socket_;
    Stage stage_ = kIdle;
    uint16_t port_ = syncProtocol::kEditorPort;
    uint32_t requested_ = 0; // tracks asked for, in handle order
    int32_t lastRow_ = -1;
    bool broken_ = false; // a send failed or the out buffer overflowed
    uint8_t in_[kBufferSize];
    size_t inCount_ = 0;
    uint8_t out_[kBufferSize];
    size_t outCount_ = 0;
};
