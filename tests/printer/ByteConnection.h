#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

// The host's end of a TCP connection or a terminal device, with reads that
// wait for the printer's answer up to a bound instead of sleeping.
class ByteConnection
{
public:
    static constexpr std::chrono::milliseconds Bound{5000};

    static std::optional<ByteConnection> tcp(const std::string &hostPort);
    static std::optional<ByteConnection> device(const std::string &path);

    ByteConnection(ByteConnection &&other) noexcept;
    ByteConnection &operator=(ByteConnection &&other) = delete;
    ByteConnection(const ByteConnection &) = delete;
    ~ByteConnection();

    bool send(std::string_view bytes) const;
    // Up to count bytes: returns early only when the bound passes or the
    // other end closes.
    std::string read(std::size_t count, std::chrono::milliseconds bound = Bound) const;
    // Whether bytes are waiting right now.
    bool hasData() const;
    // Waits up to the bound for the other end to close.
    bool closedByPeer(std::chrono::milliseconds bound = Bound) const;
    void close();

private:
    explicit ByteConnection(int fd) : m_fd(fd) {}
    bool waitReadable(std::chrono::milliseconds bound) const;

    int m_fd = -1;
};
