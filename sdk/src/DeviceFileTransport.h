#pragma once

#include "Transport.h"

#include <string>

namespace prtsdk
{

// A printer behind a character device: a parallel port, or the kernel's USB
// printer device. Such devices never time out a blocking call by themselves,
// so every read and write waits with poll and stays within its bound.
class DeviceFileTransport : public Transport
{
public:
    // The codes this kind of port reports when the device is missing or
    // may not be used.
    struct Codes {
        int32_t notFound;
        int32_t accessDenied;
    };

    DeviceFileTransport(std::string device, Codes codes);
    ~DeviceFileTransport() override;

    int32_t open() override;
    void close() override;
    int32_t write(const uint8_t *bytes, size_t count, int timeoutMs) override;
    // A port that cannot read back reports nothing within the bound.
    int32_t read(uint8_t *buffer, size_t capacity, int timeoutMs, size_t &count) override;

protected:
    int fd() const { return m_fd; }

private:
    std::string m_device;
    Codes m_codes;
    int m_fd = -1;
    bool m_readable = true;
};

} // namespace prtsdk
