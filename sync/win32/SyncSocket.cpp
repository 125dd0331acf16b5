#include "sync/SyncSocket.h"

// The build predefines these for the GL headers; winsock2.h brings windows.h, which
// defines its own.
#undef APIENTRY
#undef CALLBACK
#undef WINGDIAPI
#include <winsock2.h>
#include <ws2tcpip.h>

namespace {

// Winsock must be started once per process before the first socket; it stays up until exit.
bool startWinsock() {
    static const bool started = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    return started;
}

SOCKET handle(intptr_t descriptor) {
    return static_cast<SOCKET>(descriptor);
}

bool wouldBlock() {
    const int error = WSAGetLastError();
    return error == WSAEWOULDBLOCK || error == WSAEINTR;
}

} // namespace

SyncSocket::~SyncSocket() {
    close();
}

int SyncSocket::connect(uint16_t port) {
    close();
    if (!startWinsock()) return -1;
    const SOCKET socket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (socket == INVALID_SOCKET) return -1;
    descriptor_ = static_cast<intptr_t>(socket);
    u_long nonBlocking = 1;
    ::ioctlsocket(socket, FIONBIO, &nonBlocking);
    // Commands are a few bytes each and must reach the editor at once.
    const BOOL on = TRUE;
    ::setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&on), sizeof on);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        state_ = kConnected;
        return 0;
    }
    if (WSAGetLastError() == WSAEWOULDBLOCK) {
        state_ = kConnecting;
        return 0;
    }
    close();
    return -1;
}

SyncSocket::State SyncSocket::update() {
    if (state_ != kConnecting) return state_;
    // A refused connection shows as an error, not as writable, on Windows.
    WSAPOLLFD waiting = {handle(descriptor_), POLLWRNORM, 0};
    if (::WSAPoll(&waiting, 1, 0) <= 0) return state_;
    int error = 0;
    int length = sizeof error;
    if ((waiting.revents & (POLLERR | POLLHUP)) ||
        ::getsockopt(handle(descriptor_), SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error),
                     &length) != 0 ||
        error != 0)
        close();
    else
        state_ = kConnected;
    return state_;
}

long SyncSocket::send(const void* bytes, size_t size) {
    if (state_ != kConnected) return -1;
    const int sent =
        ::send(handle(descriptor_), static_cast<const char*>(bytes), static_cast<int>(size), 0);
    if (sent >= 0) return sent;
    return wouldBlock() ? 0 : -1;
}

long SyncSocket::receive(void* bytes, size_t size) {
    if (state_ != kConnected) return -1;
    const int got =
        ::recv(handle(descriptor_), static_cast<char*>(bytes), static_cast<int>(size), 0);
    if (got > 0) return got;
    if (got < 0 && wouldBlock()) return 0;
    return -1;
}

void SyncSocket::close() {
    if (descriptor_ != -1) ::closesocket(handle(descriptor_));
    descriptor_ = -1;
    state_ = kClosed;
}
