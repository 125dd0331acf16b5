// The editor link's byte stream as the client sees it: a connection to the editor's port on
// the loopback address in which no call waits. SyncSocket is the one the player uses; bytes
// from memory can stand in for it (the protocol's fuzz target).
#pragma once

#include <cstddef>
#include <cstdint>

class SyncConnection {
public:
    enum State { kClosed, kConnecting, kConnected };

    virtual ~SyncConnection() = default;

    // Starts connecting to 127.0.0.1:port. -1 when it failed at once (nothing listening
    // is often known at once on the loopback).
    virtual int connect(uint16_t port) = 0;
    // Advances a connection under way: kConnected once it stands, kClosed when refused.
    virtual State update() = 0;
    // Bytes taken (fewer than `size` when the system's buffer is full), or -1 when the
    // connection broke.
    virtual long send(const void* bytes, size_t size) = 0;
    // Bytes read, 0 when none are waiting, -1 when the peer closed or the connection broke.
    virtual long receive(void* bytes, size_t size) = 0;
    virtual void close() = 0;
};
