#pragma once

#include "SerialSettings.h"
#include "Transport.h"

#include <string>

struct sp_port;

namespace prtsdk
{

// A printer on a serial port, with every field of its descriptor applied.
class SerialTransport : public Transport
{
public:
    SerialTransport(std::string device, SerialSettings settings);
    ~SerialTransport() override;

    int32_t open() override;
    void close() override;
    // Returns once the bytes have left the port, so a pause after a command
    // counts from the end of its transmission.
    int32_t write(const uint8_t *bytes, size_t count, int timeoutMs) override;
    int32_t read(uint8_t *buffer, size_t capacity, int timeoutMs, size_t &count) override;

private:
    int32_t configure();

    std::string m_device;
    SerialSettings m_settings;
    sp_port *m_port = nullptr;
};

} // namespace prtsdk
