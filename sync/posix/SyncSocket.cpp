#include "sync/SyncSocket.h"

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

SyncSocket::~SyncSocket() {
    close();
}

int SyncSocket::connect(uint16_t port) {
    close();
    descriptor_ = ::socket(AF_INET, SOCK_STREAM, 0);
    if (descriptor_ < 0) return -1;
    const int flags = ::fcntl(descriptor_, F_GETFL, 0);
    ::fcntl(descriptor_, F_SETFL, flags | O_NONBLOCK);
    // Commands are a few bytes each and must reach the editor at once.
    const int on = 1;
    ::setsockopt(descriptor_, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(descriptor_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        state_ = kConnected;
        return 0;
    }
    if (errno == EINPROGRESS) {
        state_ = kConnecting;
        return 0;
    }
    close();
    return -1;
}

SyncSocket::State SyncSocket::update() {
    if (state_ != kConnecting) return state_;
    pollfd waiting = {static_cast<int>(descriptor_), POLLOUT, 0};
    if (::poll(&waiting, 1, 0) <= 0) return state_;
    int error = 0;
    socklen_t length = sizeof error;
    if (::getsockopt(descriptor_, SOL_SOCKET, SO_ERROR, &error, &length) != 0 || error != 0)
        close();
    else
        state_ = kConnected;
    return state_;
}

long SyncSocket::send(const void* bytes, size_t size) {
    if (state_ != kConnected) return -1;
    // MSG_NOSIGNAL: an editor that went away must not end the player with SIGPIPE.
    const ssize_t sent = ::send(descriptor_, bytes, size, MSG_NOSIGNAL);
    if (sent >= 0) return sent;
    if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) return 0;
    return -1;
}

long SyncSocket::receive(void* bytes, size_t size) {
    if (state_ != kConnected) return -1;
    const ssize_t got = ::recv(descriptor_, bytes, size, 0);
    if (got > 0) return got;
    if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) return 0;
    return -1;
}

void SyncSocket::close() {
    if (descriptor_ >= 0) ::close(descriptor_);
    descriptor_ = -1;
    state_ = kClosed;
}
