// The demo's side of the editor link: connects to the editor on the loopback address,
// greets it, asks for every track of the set (tracks made later are asked for as they
// come), applies key changes to the tracks at once and hands seeks, pauses and save
// requests to a listener. Nothing here waits: every call does what the network allows
// and returns. While not linked it tries again about once a second, so an editor started
// after the demo is found. A missing editor is one log line until a link stands; refused
// keys are one line each at most once a second, the rest summed up.
#pragma once

#include "sync/SyncConnection.h"
#include "sync/SyncProtocol.h"

#include <cstddef>
#include <cstdint>
#include <memory>

class SyncSocket;
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
    static constexpr uint32_t kRetryMilliseconds = 1000;
    static constexpr uint32_t kGreetingMilliseconds = 2000;
    static constexpr uint32_t kRefusalLineMilliseconds = 1000;

    // Over a socket of its own.
    explicit SyncClient(SyncTrackSet& tracks);
    // Over `connection`, which outlives the client.
    SyncClient(SyncTrackSet& tracks, SyncConnection& connection);
    ~SyncClient();
    SyncClient(const SyncClient&) = delete;
    SyncClient& operator=(const SyncClient&) = delete;

    // Starts connecting to the editor's port on 127.0.0.1, and keeps trying while not
    // linked. `now`, here and below, is a millisecond tick count (wrapping).
    void connect(uint16_t port, uint32_t now);
    // Moves the connection on (or starts it again), asks for new tracks, and applies every
    // whole command that has arrived (at most one buffer's worth per call).
    void poll(SyncEditorListener& listener, uint32_t now);
    // Tells the editor the row being played, when it differs from the last one told.
    void reportRow(int32_t row);
    bool linked() const { return stage_ == kLinked; }

private:
    enum Stage { kIdle, kConnecting, kGreeting, kLinked };

    void attempt(uint32_t now);
    // A failure before a link stands: logged once until the next link.
    void missing(const char* reason);
    void drop(SyncEditorListener& listener, const char* reason);
    bool queue(const uint8_t* bytes, size_t size);
    // False when the connection broke.
    bool flush();
    void requestNewTracks();
    // One whole command of a known kind.
    void apply(const uint8_t* command, SyncEditorListener& listener);
    // Logs a refusal, or counts it when a refusal line went out less than a second ago.
    void refuse(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // Once that second is over: one line with the count held back, which starts the next
    // second of holding back when there was any.
    void sumUpRefusals();

    SyncTrackSet& tracks_;
    std::unique_ptr<SyncSocket> ownSocket_;
    SyncConnection& connection_;
    Stage stage_ = kIdle;
    bool wanted_ = false;         // connect() was called: keep trying
    bool missingLogged_ = false;  // since the last link
    bool greetingLogged_ = false; // for this connection
    uint16_t port_ = syncProtocol::kEditorPort;
    uint32_t now_ = 0;
    uint32_t attemptedAt_ = 0;
    uint32_t connectedAt_ = 0;
    uint32_t refusalLineAt_ = 0;
    bool refusalLineOut_ = false; // a refusal line or summary went out at refusalLineAt_
    uint32_t refusalsHeld_ = 0;
    uint32_t requested_ = 0; // tracks asked for, in handle order
    int32_t lastRow_ = -1;
    bool broken_ = false; // a send failed or the out buffer overflowed
    uint8_t in_[kBufferSize];
    size_t inCount_ = 0;
    uint8_t out_[kBufferSize];
    size_t outCount_ = 0;
};
