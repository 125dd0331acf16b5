#include "sync/SyncClient.h"

#include "sync/SyncSocket.h"
#include "sync/SyncTrackSet.h"
#include <vornex/HostLog.h>

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>

using namespace syncProtocol;

SyncClient::SyncClient(SyncTrackSet& tracks)
    : tracks_(tracks), ownSocket_(new SyncSocket), connection_(*ownSocket_) {}

SyncClient::SyncClient(SyncTrackSet& tracks, SyncConnection& connection)
    : tracks_(tracks), connection_(connection) {}

SyncClient::~SyncClient() = default;

void SyncClient::connect(uint16_t port, uint32_t now) {
    port_ = port;
    wanted_ = true;
    attempt(now);
}

void SyncClient::attempt(uint32_t now) {
    attemptedAt_ = now;
    inCount_ = outCount_ = 0;
    requested_ = 0;
    lastRow_ = -1;
    broken_ = false;
    greetingLogged_ = false;
    if (connection_.connect(port_) != 0) {
        stage_ = kIdle;
        missing(nullptr);
        return;
    }
    stage_ = kConnecting;
}

void SyncClient::missing(const char* reason) {
    connection_.close();
    stage_ = kIdle;
    if (missingLogged_) return;
    missingLogged_ = true;
    if (reason)
        hostLog("sync: no editor at 127.0.0.1:%u (%s); playing from the track files", port_,
                reason);
    else
        hostLog("sync: no editor at 127.0.0.1:%u; playing from the track files", port_);
}

void SyncClient::drop(SyncEditorListener& listener, const char* reason) {
    if (stage_ != kLinked) return missing(reason);
    connection_.close();
    stage_ = kIdle;
    // The next attempt comes a second after the loss, and stays quiet until it links.
    attemptedAt_ = now_;
    missingLogged_ = true;
    hostLog("sync: %s; playing on alone", reason);
    listener.editorGone();
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
        const long taken = connection_.send(out_ + sent, outCount_ - sent);
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

void SyncClient::poll(SyncEditorListener& listener, uint32_t now) {
    now_ = now;
    sumUpRefusals();
    if (stage_ == kIdle) {
        if (!wanted_ || now - attemptedAt_ < kRetryMilliseconds) return;
        attempt(now);
        if (stage_ == kIdle) return;
    }
    if (stage_ == kConnecting) {
        const SyncConnection::State state = connection_.update();
        if (state == SyncConnection::kClosed) return missing("refused");
        if (state == SyncConnection::kConnecting) return;
        stage_ = kGreeting;
        connectedAt_ = now;
        queue(reinterpret_cast<const uint8_t*>(kDemoGreeting), kDemoGreetingSize);
    }
    if (stage_ == kLinked) requestNewTracks();
    if (!flush()) return drop(listener, "editor connection lost");

    size_t received = 0;
    while (received < kBufferSize && inCount_ < kBufferSize) {
        const long got = connection_.receive(in_ + inCount_, kBufferSize - inCount_);
        if (got < 0) return drop(listener, "editor closed the connection");
        if (got == 0) break;
        inCount_ += static_cast<size_t>(got);
        received += static_cast<size_t>(got);
    }

    size_t used = 0;
    if (stage_ == kGreeting) {
        if (inCount_ < kEditorGreetingSize) {
            if (!greetingLogged_ && now - connectedAt_ >= kGreetingMilliseconds) {
                greetingLogged_ = true;
                hostLog("sync: the program at 127.0.0.1:%u took the link but has not greeted "
                        "in %u s; waiting for it",
                        port_, kGreetingMilliseconds / 1000);
            }
            return;
        }
        if (std::memcmp(in_, kEditorGreeting, kEditorGreetingSize) != 0)
            return missing("the program on the port did not greet as the editor");
        used = kEditorGreetingSize;
        stage_ = kLinked;
        missingLogged_ = false;
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
            refuse("sync: editor named track %d, which the demo never asked for", handle);
            return;
        }
        if (command[0] == kDeleteKey) {
            track->deleteKey(row);
            return;
        }
        const uint32_t valueBits = readBigEndian(command + 9);
        SyncKey key = {row, 0.0f, command[13]};
        std::memcpy(&key.value, &valueBits, sizeof key.value);
        if (!std::isfinite(key.value))
            refuse("sync: key at row %d of track [%s] refused: its value is not a finite number",
                   row, track->name());
        else if (track->setKey(key) != 0)
            refuse("sync: key at row %d of track [%s] refused (interpolation %u, %u keys)", row,
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

void SyncClient::refuse(const char* format, ...) {
    if (refusalLineOut_) {
        ++refusalsHeld_;
        return;
    }
    char line[256];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(line, sizeof line, format, arguments);
    va_end(arguments);
    hostLog("%s", line);
    refusalLineOut_ = true;
    refusalLineAt_ = now_;
}

void SyncClient::sumUpRefusals() {
    if (!refusalLineOut_ || now_ - refusalLineAt_ < kRefusalLineMilliseconds) return;
    // While refusals go on, the summary is the one line of each second.
    refusalLineOut_ = refusalsHeld_ > 0;
    refusalLineAt_ = now_;
    if (refusalsHeld_)
        hostLog("sync: %u more of the editor's keys refused in the last second", refusalsHeld_);
    refusalsHeld_ = 0;
}

void SyncClient::reportRow(int32_t row) {
    if (stage_ != kLinked || row == lastRow_) return;
    uint8_t command[5] = {kSetRow};
    writeBigEndian(command + 1, static_cast<uint32_t>(row));
    if (queue(command, sizeof command)) lastRow_ = row;
    flush();
}
