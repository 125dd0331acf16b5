// A stand-in for the sync editor on the loopback address: listens on a port the system
// picks, accepts the demo, and reads and writes the protocol's bytes with short timeouts,
// so a test that goes wrong fails instead of hanging.
#pragma once

#include "sync/SyncProtocol.h"

#ifdef _WIN32
#undef APIENTRY
#undef CALLBACK
#undef WINGDIAPI
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

#include <cstring>
#include <string>
#include <vector>

// The few spellings in which Winsock differs from the POSIX sockets.
namespace standIn {
#ifdef _WIN32
using Socket = SOCKET;
constexpr Socket kNoSocket = INVALID_SOCKET;
using Length = int;
constexpr int kNoSignal = 0;
inline int poll(pollfd* waiting, int milliseconds) {
    return ::WSAPoll(waiting, 1, milliseconds);
}
inline void closeSocket(Socket socket) {
    ::closesocket(socket);
}
struct Winsock {
    Winsock() {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
    }
};
#else
using Socket = int;
constexpr Socket kNoSocket = -1;
using Length = socklen_t;
constexpr int kNoSignal = MSG_NOSIGNAL;
inline int poll(pollfd* waiting, int milliseconds) {
    return ::poll(waiting, 1, milliseconds);
}
inline void closeSocket(Socket socket) {
    ::close(socket);
}
struct Winsock {};
#endif
} // namespace standIn

class EditorStandIn {
public:
    // On `port`, or on one the system picks.
    explicit EditorStandIn(uint16_t port = 0) {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        const int on = 1;
        ::setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&on),
                     sizeof on);
        sockaddr_in address = {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(port);
        ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(listener_, 1);
        standIn::Length length = sizeof address;
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
    }
    ~EditorStandIn() {
        hangUp();
        standIn::closeSocket(listener_);
    }
    EditorStandIn(const EditorStandIn&) = delete;
    EditorStandIn& operator=(const EditorStandIn&) = delete;

    uint16_t port() const { return port_; }

    // A port nobody listens on (once this stand-in is gone, until another program takes it).
    static uint16_t freePort() {
        EditorStandIn gone;
        return gone.port();
    }

    // Takes the demo's connection once it is waiting, waiting at most `milliseconds`;
    // false when none is.
    bool accept(int milliseconds = 0) {
        pollfd waiting = {listener_, POLLIN, 0};
        if (standIn::poll(&waiting, milliseconds) <= 0) return false;
        connection_ = ::accept(listener_, nullptr, nullptr);
        // Each command goes out at once, as the editor's do, not held back for the last
        // one's acknowledgement.
        const int on = 1;
        ::setsockopt(connection_, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&on),
                     sizeof on);
        return connection_ != standIn::kNoSocket;
    }
    // Up to `size` bytes, waiting at most `milliseconds` for each; fewer when none come.
    std::string read(size_t size, int milliseconds = 2000) {
        std::string bytes;
        while (bytes.size() < size) {
            pollfd waiting = {connection_, POLLIN, 0};
            if (standIn::poll(&waiting, milliseconds) <= 0) break;
            char buffer[256];
            const size_t want = std::min(sizeof buffer, size - bytes.size());
            const auto got = ::recv(connection_, buffer, static_cast<int>(want), 0);
            if (got <= 0) break;
            bytes.append(buffer, static_cast<size_t>(got));
        }
        return bytes;
    }
    // Everything the demo has sent so far.
    std::string drain() {
        std::string bytes;
        while (!quiet(20)) {
            const std::string more = read(1, 0);
            if (more.empty()) break;
            bytes += more;
        }
        return bytes;
    }
    // True when nothing is waiting to be read.
    bool quiet(int milliseconds = 50) {
        pollfd waiting = {connection_, POLLIN, 0};
        return standIn::poll(&waiting, milliseconds) == 0;
    }
    void write(const std::string& bytes) {
        ::send(connection_, bytes.data(), static_cast<int>(bytes.size()), standIn::kNoSignal);
    }
    void hangUp() {
        if (connection_ != standIn::kNoSocket) standIn::closeSocket(connection_);
        connection_ = standIn::kNoSocket;
    }

    // Protocol bytes.
    static std::string integer(uint32_t value) {
        uint8_t bytes[4];
        syncProtocol::writeBigEndian(bytes, value);
        return std::string(reinterpret_cast<char*>(bytes), 4);
    }
    static std::string setKey(uint32_t track, int32_t row, float value, uint8_t interpolation) {
        uint32_t bits = 0;
        std::memcpy(&bits, &value, 4);
        return std::string(1, char(syncProtocol::kSetKey)) + integer(track) +
               integer(uint32_t(row)) + integer(bits) + std::string(1, char(interpolation));
    }
    static std::string deleteKey(uint32_t track, int32_t row) {
        return std::string(1, char(syncProtocol::kDeleteKey)) + integer(track) +
               integer(uint32_t(row));
    }
    static std::string setRow(int32_t row) {
        return std::string(1, char(syncProtocol::kSetRow)) + integer(uint32_t(row));
    }
    static std::string pause(bool paused) {
        return std::string(1, char(syncProtocol::kPause)) + std::string(1, char(paused ? 1 : 0));
    }
    static std::string save() { return std::string(1, char(syncProtocol::kSaveTracks)); }
    static std::string getTrack(const std::string& name) {
        return std::string(1, char(syncProtocol::kGetTrack)) + integer(uint32_t(name.size())) +
               name;
    }

private:
    standIn::Winsock winsock_;
    standIn::Socket listener_ = standIn::kNoSocket;
    standIn::Socket connection_ = standIn::kNoSocket;
    uint16_t port_ = 0;
};
