#pragma once

#include "Transport.h"
#include "UsbBackend.h"

#include <memory>
#include <optional>
#include <vector>

namespace prtsdk
{

// The first USB printer (an interface of the printer class with a bulk OUT
// endpoint), on its bulk OUT and, when it has one, bulk IN endpoint. The
// kernel's printer driver is detached while the port is open and given its
// device back on close.
class UsbTransport : public Transport
{
public:
    // On libusb.
    UsbTransport();
    explicit UsbTransport(std::unique_ptr<UsbBackend> backend);
    ~UsbTransport() override;
    UsbTransport(const UsbTransport &) = delete;
    UsbTransport &operator=(const UsbTransport &) = delete;

    int32_t open() override;
    void close() override;
    int32_t write(const uint8_t *bytes, size_t count, int timeoutMs) override;
    int32_t read(uint8_t *buffer, size_t capacity, int timeoutMs, size_t &count) override;

private:
    struct Printer {
        uint8_t interface = 0;
        uint8_t altSetting = 0;
        // Only an interface with several settings is switched to one.
        bool selectAltSetting = false;
        uint8_t out = 0;
        uint8_t in = 0;
    };

    static std::optional<Printer> findPrinter(const UsbBackend::Device &device);
    static std::optional<Printer> printerSetting(const UsbBackend::Interface &interface,
                                                 const UsbBackend::AltSetting &setting);
    int32_t openPrinter(size_t device, const Printer &printer);
    int32_t claim();
    int32_t fillPending(int timeoutMs);
    int32_t transferFailure(UsbBackend::Status status, uint8_t endpoint);

    std::unique_ptr<UsbBackend> m_backend;
    // Set while a device is open.
    std::optional<Printer> m_printer;
    bool m_claimed = false;
    bool m_driverDetached = false;
    // A bulk read must offer room for a whole packet; what the caller had no
    // room for waits here for the next read.
    std::vector<uint8_t> m_pending;
};

} // namespace prtsdk
