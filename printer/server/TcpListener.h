#pragma once

#include "FileDescriptor.h"

#include <optional>
#include <string>
#include <string_view>

namespace prtsim
{

// A listening TCP socket, as a network printer has on its raw port.
class TcpListener
{
public:
    // HOST:PORT, IPv6 hosts in brackets; port 0 takes any free port.
    // Nothing, with a message, when the address is malformed or taken.
    static std::optional<TcpListener> open(std::string_view hostPort, std::string &error);

    int fd() const { return m_socket.get(); }
    // HOST:PORT with the port actually bound.
    const std::string &address() const { return m_address; }
    // A new connection, non-blocking; an invalid descriptor when none waits.
    FileDescriptor accept() const;

private:
    TcpListener(FileDescriptor socket, std::string address)
        : m_socket(std::move(socket)), m_address(std::move(address))
    {
    }

    FileDescriptor m_socket;
    std::string m_address;
};

} // namespace prtsim
