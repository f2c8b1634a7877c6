#include "TcpTransport.h"

#include "PollWait.h"
#include "prtsdk.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace prtsdk
{
namespace
{

int32_t connectError(int error)
{
    switch (error) {
    case ECONNREFUSED:
        return PRT_ERR_NET_REFUSED;
    case ENETUNREACH:
    case EHOSTUNREACH:
    case EADDRNOTAVAIL:
        return PRT_ERR_NET_UNREACHABLE;
    default:
        return PRT_ERR_NET_NO_ANSWER;
    }
}

} // namespace

TcpTransport::TcpTransport(std::array<uint8_t, 4> address, uint16_t port)
    : m_address(address), m_port(port)
{
}

TcpTransport::~TcpTransport()
{
    close();
}

int32_t TcpTransport::open()
{
    m_socket = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (m_socket < 0)
        return PRT_ERR_NO_MEMORY;
    // Frames are small and the printer answers each one: without this a frame
    // can sit in the send buffer waiting for the printer's delayed ACK.
    const int on = 1;
    ::setsockopt(m_socket, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    const int32_t status = connectWithin(PRT_CONNECT_TIMEOUT_MS);
    if (status != PRT_OK)
        close();
    return status;
}

int32_t TcpTransport::connectWithin(int timeoutMs)
{
    sockaddr_in peer{};
    peer.sin_family = AF_INET;
    peer.sin_port = htons(m_port);
    std::memcpy(&peer.sin_addr, m_address.data(), m_address.size());
    if (::connect(m_socket, reinterpret_cast<const sockaddr *>(&peer), sizeof peer) == 0)
        return PRT_OK;
    if (errno != EINPROGRESS)
        return connectError(errno);
    const int ready = pollWait(m_socket, POLLOUT, timeoutMs);
    if (ready <= 0)
        return PRT_ERR_NET_NO_ANSWER;
    int error = 0;
    socklen_t length = sizeof error;
    ::getsockopt(m_socket, SOL_SOCKET, SO_ERROR, &error, &length);
    return error == 0 ? PRT_OK : connectError(error);
}

void TcpTransport::close()
{
    if (m_socket >= 0)
        ::close(m_socket);
    m_socket = -1;
}

int32_t TcpTransport::write(const uint8_t *bytes, size_t count, int timeoutMs)
{
    const int error = writeWithin(m_socket, bytes, count, timeoutMs, true);
    if (error == 0)
        return PRT_OK;
    return error == ETIMEDOUT ? PRT_ERR_WRITE_TIMEOUT : PRT_ERR_CONNECTION_LOST;
}

int32_t TcpTransport::read(uint8_t *buffer, size_t capacity, int timeoutMs, size_t &count)
{
    count = 0;
    const int ready = pollWait(m_socket, POLLIN, timeoutMs);
    if (ready == 0)
        return PRT_OK;
    if (ready < 0)
        return PRT_ERR_READ;
    const ssize_t n = ::recv(m_socket, buffer, capacity, MSG_DONTWAIT);
    if (n == 0)
        return PRT_ERR_CONNECTION_LOST;
    if (n < 0)
        return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR ? PRT_OK
                                                                         : PRT_ERR_CONNECTION_LOST;
    count = static_cast<size_t>(n);
    return PRT_OK;
}

} // namespace prtsdk
