// The sync editor's protocol from outside bytes: the input is what an editor sends on the
// link (its greeting, then commands), handed to the player's own client in pieces of
// changing size through a connection in memory, with the tick count moving on so that
// reconnection, the greeting timeout and the refusal summary all run. Seeks move a demo
// time as the demo does, and every track must stay a finite number wherever it is read.
#include "sync/SyncClient.h"
#include "sync/SyncTrackSet.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

// Piece sizes cycle through these: single bytes, cuts inside a command, whole buffers.
constexpr size_t kPieces[] = {1, 3, 14, 5, 200, 9, 65536};
constexpr uint32_t kMillisecondsPerPoll = 300;
constexpr int kMaxPolls = 4096;

class MemoryConnection : public SyncConnection {
public:
    MemoryConnection(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    int connect(uint16_t) override {
        state_ = kConnected;
        return 0;
    }
    State update() override { return state_; }
    long send(const void*, size_t size) override {
        return state_ == kConnected ? static_cast<long>(size) : -1;
    }
    long receive(void* bytes, size_t size) override {
        if (state_ != kConnected) return -1;
        if (at_ >= size_) return 0;
        size_t piece = kPieces[piece_++ % (sizeof kPieces / sizeof kPieces[0])];
        if (piece > size) piece = size;
        if (piece > size_ - at_) piece = size_ - at_;
        std::memcpy(bytes, data_ + at_, piece);
        at_ += piece;
        return static_cast<long>(piece);
    }
    void close() override { state_ = kClosed; }
    bool drained() const { return at_ >= size_; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
    size_t piece_ = 0;
    State state_ = kClosed;
};

void requireFinite(float value) {
    if (!std::isfinite(value)) __builtin_trap();
}

// What the demo does with the editor's requests, less the demo.
class Listener : public SyncEditorListener {
public:
    explicit Listener(SyncTrackSet& tracks) : tracks_(tracks) {}
    void editorSeek(int32_t row) override {
        seconds_ = tracks_.secondsAt(row);
        if (seconds_ < 0.0) seconds_ = 0.0;
    }
    void editorPause(bool paused) override { paused_ = paused; }
    void editorSave() override {}
    void editorGone() override { paused_ = false; }
    void play(SyncClient& client) {
        if (!paused_) seconds_ += kMillisecondsPerPoll / 1000.0;
        client.reportRow(tracks_.wholeRowAt(seconds_));
        for (uint32_t i = 0; i < tracks_.count(); ++i) {
            requireFinite(tracks_.value(static_cast<int32_t>(i), seconds_));
            const SyncTrack& track = *tracks_.track(static_cast<int32_t>(i));
            for (uint32_t k = 0; k < track.keyCount(); k += 1 + track.keyCount() / 8)
                requireFinite(track.value(track.key(k).row + 0.5));
        }
    }

private:
    SyncTrackSet& tracks_;
    double seconds_ = 0.0;
    bool paused_ = false;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SyncTrackSet tracks;
    tracks.acquire("fade");
    tracks.acquire("bg:red");
    MemoryConnection connection(data, size);
    SyncClient client(tracks, connection);
    Listener listener(tracks);
    uint32_t now = 0xFFFFF000u; // wraps on the way
    client.connect(syncProtocol::kEditorPort, now);
    for (int poll = 0; poll < kMaxPolls; ++poll) {
        // A track the demo asks for once linked, as an effect's load would.
        if (poll == 2) tracks.acquire("cam/pos.x");
        client.poll(listener, now);
        listener.play(client);
        if (connection.drained() && poll > 8) break;
        now += kMillisecondsPerPoll;
    }
    return 0;
}
