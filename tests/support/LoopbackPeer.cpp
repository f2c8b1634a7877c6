#include "LoopbackPeer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace
{

int listenOnLoopback(uint16_t &port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address);
    ::listen(fd, 1);
    socklen_t length = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length);
    port = ntohs(address.sin_port);
    return fd;
}

bool readable(int fd, int timeoutMs)
{
    pollfd entry{fd, POLLIN, 0};
    return ::poll(&entry, 1, timeoutMs) > 0;
}

} // namespace

LoopbackPeer::LoopbackPeer()
{
    m_listener = listenOnLoopback(m_port);
}

LoopbackPeer::~LoopbackPeer()
{
    closeConnection();
    ::close(m_listener);
}

std::string LoopbackPeer::descriptor() const
{
    return "NET,127.0.0.1:" + std::to_string(m_port);
}

bool LoopbackPeer::accept(int timeoutMs)
{
    if (!readable(m_listener, timeoutMs))
        return false;
    m_connection = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
    return m_connection >= 0;
}

std::string LoopbackPeer::receiveOnce(int timeoutMs)
{
    if (m_connection < 0 || !readable(m_connection, timeoutMs))
        return {};
    char buffer[4096];
    const ssize_t n = ::recv(m_connection, buffer, sizeof buffer, 0);
    return n > 0 ? std::string(buffer, static_cast<size_t>(n)) : std::string();
}

void LoopbackPeer::send(const std::string &bytes)
{
    ::send(m_connection, bytes.data(), bytes.size(), MSG_NOSIGNAL);
}

void LoopbackPeer::closeConnection()
{
    if (m_connection >= 0)
        ::close(m_connection);
    m_connection = -1;
}

uint16_t LoopbackPeer::unusedPort()
{
    uint16_t port = 0;
    ::close(listenOnLoopback(port));
    return port;
}
