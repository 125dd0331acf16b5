// The editor link's TCP connection to the loopback address, non-blocking throughout: no
// call waits for the network. The only file of the link that touches the system's socket
// calls, so another system's variant replaces just this one.
#pragma once

#include "sync/SyncConnection.h"

#include <cstddef>
#include <cstdint>

class SyncSocket : public SyncConnection {
public:
    SyncSocket() = default;
    ~SyncSocket() override;
    SyncSocket(const SyncSocket&) = delete;
    SyncSocket& operator=(const SyncSocket&) = delete;

    int connect(uint16_t port) override;
    State update() override;
    State state() const { return state_; }
    long send(const void* bytes, size_t size) override;
    long receive(void* bytes, size_t size) override;
    void close() override;

private:
    // A file descriptor, or a SOCKET on Windows (whose INVALID_SOCKET is -1 here too).
    intptr_t descriptor_ = -1;
    State state_ = kClosed;
};
