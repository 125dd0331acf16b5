#include "sync/SyncClient.h"

#include "sync/SyncTrackSet.h"
#include <vornex/HostLog.h>

#include <cstring>

using namespace syncProtocol;

SyncClient::SyncClient(SyncTrackSet& tracks) : tracks_(tracks) {}

void SyncClient::connect(uint16_t port) {
    port_ = port;
    inCount_ = outCount_ = 0;
    requested_ = 0;
    lastRow_ = -1;
    broken_ = false;
    if (socket_.connect(port) != 0) {
        stage_ = kIdle;
        hostLog("sync: no editor at 127.0.0.1:%u; playing from the track files", port);
        return;
    }
    stage_ = kConnecting;
}

void SyncClient::drop(SyncEditorListener& listener, const char* reason) {
    const bool wasLinked = stage_ == kLinked;
    socket_.close();
    stage_ = kIdle;
    if (wasLinked) {
        hostLog("sync: %s; playing on alone", reason);
        listener.editorGone();
    } else {
        hostLog("sync: no editor at 127.0.0.1:%u (%s); playing from the track files", port_,
                reason);
    }
}

bool SyncClient::queue(const uint8_t* bytes, size_t size) {
    if (size > kBufferSize - outCount_) {
        broken_ = true;
        return false;
    }
    std::memcpy(out_ + outCount_, bytes, size);
    outCount_ += size;
    return true;
}

bool SyncClient::flush() {
    if (broken_) return false;
    size_t sent = 0;
    while (sent < outCount_) {
        const long taken = socket_.send(out_ + sent, outCount_ - sent);
        if (taken < 0) {
            broken_ = true;
            return false;
        }
        if (taken == 0) break; // the rest goes with the next poll
        sent += static_cast<size_t>(taken);
    }
    std::memmove(out_, out_ + sent, outCount_ - sent);
    outCount_ -= sent;
    return true;
}

void SyncClient::requestNewTracks() {
    for (; requested_ < tracks_.count(); ++requested_) {
        SyncTrack& track = *tracks_.track(static_cast<int32_t>(requested_));
        // The editor's keys replace the file's: it sends every key it has for the track.
        track.clear();
        const size_t length = std::strlen(track.name());
        uint8_t command[1 + 4 + SyncTrack::kNameSize];
        command[0] = kGetTrack;
        writeBigEndian(command + 1, static_cast<uint32_t>(length));
        std::memcpy(command + 5, track.name(), length);
        if (!queue(command, 5 + length)) return;
    }
}

void SyncClient::poll(SyncEditorListener& listener) {
    if (stage_ == kIdle) return;
    if (stage_ == kConnecting) {
        const SyncSocket::State state = socket_.update();
        if (state == SyncSocket::kClosed) return drop(listener, "refused");
        if (state == SyncSocket::kConnecting) return;
        stage_ = kGreeting;
        queue(reinterpret_cast<const uint8_t*>(kDemoGreeting), kDemoGreetingSize);
    }
    if (stage_ == kLinked) requestNewTracks();
    if (!flush()) return drop(listener, "editor connection lost");

    size_t received = 0;
    while (received < kBufferSize && inCount_ < kBufferSize) {
        const long got = socket_.receive(in_ + inCount_, kBufferSize - inCount_);
        if (got < 0) return drop(listener, "editor closed the connection");
        if (got == 0) break;
        inCount_ += static_cast<size_t>(got);
        received += static_cast<size_t>(got);
    }

    size_t used = 0;
    if (stage_ == kGreeting) {
        if (inCount_ < kEditorGreetingSize) return;
        if (std::memcmp(in_, kEditorGreeting, kEditorGreetingSize) != 0)
            return drop(listener, "the program on the port did not greet as the editor");
        used = kEditorGreetingSize;
        stage_ = kLinked;
        hostLog("sync: editor linked at 127.0.0.1:%u", port_);
        requestNewTracks();
        if (!flush()) return drop(listener, "editor connection lost");
    }
    while (used < inCount_) {
        const size_t size = editorCommandSize(in_[used]);
        if (size == 0) {
            hostLog("sync: unknown editor command %u", in_[used]);
            return drop(listener, "editor link out of step");
        }
        if (inCount_ - used < size) break;
        apply(in_ + used, listener);
        // A listener may have ended the link (the demo closed).
        if (stage_ != kLinked) return;
        used += size;
    }
    std::memmove(in_, in_ + used, inCount_ - used);
    inCount_ -= used;
}

void SyncClient::apply(const uint8_t* command, SyncEditorListener& listener) {
    switch (command[0]) {
    case kSetKey:
    case kDeleteKey: {
        const int32_t handle = static_cast<int32_t>(readBigEndian(command + 1));
        const int32_t row = static_cast<int32_t>(readBigEndian(command + 5));
        SyncTrack* track = tracks_.track(handle);
        if (!track || static_cast<uint32_t>(handle) >= requested_) {
            hostLog("sync: editor named track %d, which the demo never asked for", handle);
            return;
        }
        if (command[0] == kDeleteKey) {
            track->deleteKey(row);
            return;
        }
        const uint32_t valueBits = readBigEndian(command + 9);
        SyncKey key = {row, 0.0f, command[13]};
        std::memcpy(&key.value, &valueBits, sizeof key.value);
        if (track->setKey(key) != 0)
            hostLog("sync: key at row %d of track [%s] refused (interpolation %u, %u keys)", row,
                    track->name(), key.interpolation, track->keyCount());
        return;
    }
    case kSetRow: {
        const int32_t row = static_cast<int32_t>(readBigEndian(command + 1));
        lastRow_ = row; // the demo is there now: no need to tell the editor back
        listener.editorSeek(row);
        return;
    }
    case kPause:
        listener.editorPause(command[1] != 0);
        return;
    case kSaveTracks:
        listener.editorSave();
        return;
    default:
        return; // sizes come from editorCommandSize, which knows no other command
    }
}

void SyncClient::reportRow(int32_t row) {
    if (stage_ != kLinked || row == lastRow_) return;
    uint8_t command[5] = {kSetRow};
    writeBigEndian(command + 1, static_cast<uint32_t>(row));
    if (queue(command, sizeof command)) lastRow_ = row;
    flush();
}
