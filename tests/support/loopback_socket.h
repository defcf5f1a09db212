#pragma once
// A TCP socket on the loopback address at a port the system picks: for the listeners and dead ends
// that tests and the HTTP fuzz target play the shop with.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

namespace sumbrel::testing {

inline sockaddr_in LoopbackAddress(int port)
{
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = htons(uint16_t(port));
    return addr;
}

// Bound to a free loopback port, which goes to `port`; listening with that backlog unless it is
// negative.
inline int LoopbackSocket(int backlog, int& port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    int one = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in addr = LoopbackAddress(0);
    ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    if (backlog >= 0)
        ::listen(fd, backlog);
    socklen_t length = sizeof addr;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &length);
    port = ntohs(addr.sin_port);
    return fd;
}

}  // namespace sumbrel::testing
