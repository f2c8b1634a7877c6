#include "ByteConnection.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <utility>

std::optional<ByteConnection> ByteConnection::tcp(const std::string &hostPort)
{
    const std::size_t colon = hostPort.rfind(':');
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo *found = nullptr;
    if (colon == std::string::npos ||
        ::getaddrinfo(hostPort.substr(0, colon).c_str(), hostPort.substr(colon + 1).c_str(), &hints,
                      &found) != 0)
        return std::nullopt;
    const int fd = ::socket(found->ai_family, found->ai_socktype, found->ai_protocol);
    const bool connected = fd >= 0 && ::connect(fd, found->ai_addr, found->ai_addrlen) == 0;
    ::freeaddrinfo(found);
    if (!connected) {
        if (fd >= 0)
            ::close(fd);
        return std::nullopt;
    }
    return ByteConnection(fd);
}

std::optional<ByteConnection> ByteConnection::device(const std::string &path)
{
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    return ByteConnection(fd);
}

ByteConnection::ByteConnection(ByteConnection &&other) noexcept
    : m_fd(std::exchange(other.m_fd, -1))
{
}

ByteConnection::~ByteConnection()
{
    close();
}

bool ByteConnection::send(std::string_view bytes) const
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(m_fd, bytes.data(), bytes.size());
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::string ByteConnection::read(std::size_t count, std::chrono::milliseconds bound) const
{
    const auto deadline = std::chrono::steady_clock::now() + bound;
    std::string bytes;
    while (bytes.size() < count) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !waitReadable(left))
            break;
        char buffer[4096];
        const ssize_t got = ::read(m_fd, buffer, std::min(sizeof buffer, count - bytes.size()));
        if (got <= 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    return bytes;
}

bool ByteConnection::hasData() const
{
    return waitReadable(std::chrono::milliseconds(0));
}

bool ByteConnection::closedByPeer(std::chrono::milliseconds bound) const
{
    char byte = 0;
    return waitReadable(bound) && ::read(m_fd, &byte, 1) == 0;
}

void ByteConnection::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

bool ByteConnection::waitReadable(std::chrono::milliseconds bound) const
{
    pollfd entry{m_fd, POLLIN, 0};
    return ::poll(&entry, 1, static_cast<int>(bound.count())) == 1;
}
