#pragma once

#include "Transport.h"

#include <array>

namespace prtsdk
{

// A network printer's raw print port.
class TcpTransport : public Transport
{
public:
    TcpTransport(std::array<uint8_t, 4> address, uint16_t port);
    ~TcpTransport() override;

    int32_t open() override;
    void close() override;
    int32_t write(const uint8_t *bytes, size_t count, int timeoutMs) override;
    int32_t read(uint8_t *buffer, size_t capacity, int timeoutMs, size_t &count) override;

private:
    int32_t connectWithin(int timeoutMs);

    std::array<uint8_t, 4> m_address;
    uint16_t m_port;
    int m_socket = -1;
};

} // namespace prtsdk
