#pragma once

#include "Transport.h"

#include <memory>
#include <string>
#include <vector>

struct libusb_context;
struct libusb_device_handle;

namespace prtsdk
{

// The first USB printer (an interface of the printer class) reached through
// libusb, on its bulk OUT and bulk IN endpoints. The kernel's printer driver
// is detached while the port is open and given its device back on close.
class UsbTransport : public Transport
{
public:
    UsbTransport();
    ~UsbTransport() override;

    int32_t open() override;
    void close() override;
    int32_t write(const uint8_t *bytes, size_t count, int timeoutMs) override;
    int32_t read(uint8_t *buffer, size_t capacity, int timeoutMs, size_t &count) override;

private:
    int32_t openFirstPrinter();
    int32_t claim();

    libusb_context *m_context = nullptr;
    libusb_device_handle *m_device = nullptr;
    int m_interface = -1;
    unsigned char m_outEndpoint = 0;
    unsigned char m_inEndpoint = 0;
    bool m_driverDetached = false;
    // A bulk read must offer room for a whole packet; what the caller had no
    // room for waits here for the next read.
    std::vector<uint8_t> m_pending;
};

} // namespace prtsdk
