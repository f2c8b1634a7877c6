#include "TcpListener.h"

#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>
#include <memory>

namespace prtsim
{
namespace
{

struct HostPort {
    std::string host;
    std::string port;
    bool bracketed = false;
};

std::optional<HostPort> splitHostPort(std::string_view text)
{
    const std::size_t colon = text.rfind(':');
    if (colon == std::string_view::npos || colon == 0 || colon + 1 == text.size())
        return std::nullopt;
    HostPort parts{std::string(text.substr(0, colon)), std::string(text.substr(colon + 1))};
    if (parts.port.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    if (parts.host.size() > 2 && parts.host.front() == '[' && parts.host.back() == ']') {
        parts.host = parts.host.substr(1, parts.host.size() - 2);
        parts.bracketed = true;
    }
    return parts;
}

std::string boundPort(int fd)
{
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length);
    const in_port_t port = address.ss_family == AF_INET6
                               ? reinterpret_cast<sockaddr_in6 *>(&address)->sin6_port
                               : reinterpret_cast<sockaddr_in *>(&address)->sin_port;
    return std::to_string(ntohs(port));
}

FileDescriptor listenOn(const addrinfo &candidate)
{
    FileDescriptor socket(::socket(candidate.ai_family,
                                   candidate.ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC,
                                   candidate.ai_protocol));
    const int reuse = 1;
    if (!socket.valid() ||
        ::setsockopt(socket.get(), SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse) != 0 ||
        ::bind(socket.get(), candidate.ai_addr, candidate.ai_addrlen) != 0 ||
        ::listen(socket.get(), 4) != 0)
        socket.reset();
    return socket;
}

} // namespace

std::optional<TcpListener> TcpListener::open(std::string_view hostPort, std::string &error)
{
    const std::optional<HostPort> parts = splitHostPort(hostPort);
    if (!parts) {
        error = "listen address must be HOST:PORT, not \"" + std::string(hostPort) + "\"";
        return std::nullopt;
    }
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_PASSIVE | AI_NUMERICSERV;
    addrinfo *found = nullptr;
    if (const int status = ::getaddrinfo(parts->host.c_str(), parts->port.c_str(), &hints, &found);
        status != 0) {
        error = "cannot resolve " + std::string(hostPort) + ": " + ::gai_strerror(status);
        return std::nullopt;
    }
    const std::unique_ptr<addrinfo, decltype(&::freeaddrinfo)> results(found, ::freeaddrinfo);
    for (const addrinfo *candidate = found; candidate != nullptr; candidate = candidate->ai_next) {
        FileDescriptor socket = listenOn(*candidate);
        if (!socket.valid())
            continue;
        const std::string host = parts->bracketed ? "[" + parts->host + "]" : parts->host;
        std::string address = host + ":" + boundPort(socket.get());
        return TcpListener(std::move(socket), std::move(address));
    }
    error = "cannot listen on " + std::string(hostPort) + ": " + std::strerror(errno);
    return std::nullopt;
}

FileDescriptor TcpListener::accept() const
{
    return FileDescriptor(
        ::accept4(m_socket.get(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC));
}

} // namespace prtsim
