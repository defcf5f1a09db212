#pragma once
// Addresses where an exchange finds nobody: a port on which nothing listens (refused at once), and a
// listener that never accepts (a connect that hangs in its handshake, as a black-holed host).
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace sumbrel::testing {

// A port on which nothing listens.
inline int closedPort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    socklen_t len = sizeof addr;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
    ::close(fd);
    return ntohs(addr.sin_port);
}

// A listener whose accept queue is full and which never accepts: a further connect hangs in its handshake.
class FullBacklog {
public:
    FullBacklog()
    {
        m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(m_fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
        ::listen(m_fd, 0);
        socklen_t len = sizeof addr;
        ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&addr), &len);
        port = ntohs(addr.sin_port);
        for (int i = 0; i < 4; ++i) {
            const int c = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
            ::connect(c, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
            m_fillers.push_back(c);
        }
        ::usleep(50000);
    }
    ~FullBacklog()
    {
        for (int c : m_fillers)
            ::close(c);
        ::close(m_fd);
    }
    int port = 0;

private:
    int m_fd = -1;
    std::vector<int> m_fillers;
};

}  // namespace sumbrel::testing
