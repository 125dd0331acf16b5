// The editor link's TCP connection to the loopback address, non-blocking throughout: no
// call waits for the network. The only file of the link that touches the system's socket
// calls, so another system's variant replaces just this one.
#pragma once

#include <cstddef>
#include <cstdint>

class SyncSocket {
public:
    enum State { kClosed, kConnecting, kConnected };

    SyncSocket() = default;
    ~SyncSocket();
    SyncSocket(const SyncSocket&) = delete;
    SyncSocket& operator=(const SyncSocket&) = delete;

    // Starts connecting to 127.0.0.1:port. -1 when it failed at once (nothing listening
    // is often known at once on the loopback).
    int connect(uint16_t port);
    // Advances a connection under way: kConnected once it stands, kClosed when refused.
    State update();
    State state() const { return state_; }
    // Bytes taken (fewer than `size` when the system's buffer is full), or -1 when the
    // connection broke.
    long send(const void* bytes, size_t size);
    // Bytes read, 0 when none are waiting, -1 when the peer closed or the connection broke.
    long receive(void* bytes, size_t size);
    void close();

private:
    // A file descriptor, or a SOCKET on Windows (whose INVALID_SOCKET is -1 here too).
    intptr_t descriptor_ = -1;
    State state_ = kClosed;
};
