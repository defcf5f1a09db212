#pragma once
// Addresses where an exchange finds nobody: a port on which nothing listens (refused at once), and a
// listener that never accepts (a connect that hangs in its handshake, as a black-holed host).
#include "support/loopback_socket.h"

#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace sumbrel::testing {

// A port on which nothing listens.
inline int closedPort()
{
    int port = 0;
    ::close(LoopbackSocket(-1, port));
    return port;
}

// A listener whose accept queue is full and which never accepts: a further connect hangs in its handshake.
class FullBacklog {
public:
    FullBacklog()
    {
        m_fd = LoopbackSocket(0, port);
        const sockaddr_in addr = LoopbackAddress(port);
        for (int i = 0; i < 4; ++i) {
            const int c = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
            ::connect(c, reinterpret_cast<const sockaddr*>(&addr), sizeof addr);
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
