#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace prtsdk
{

// The few USB operations the USB port needs, so the choice of printer and
// the handling of every failure can run against a scripted backend as well
// as against the real USB library. A backend holds at most one open device.
class UsbBackend
{
public:
    // What a USB operation came to, independent of the library underneath.
    enum class Status {
        Ok,
        TimedOut,
        Stalled,
        NoDevice,
        AccessDenied,
        Busy,
        NotFound,
        NotSupported,
        Failed,
    };

    // Numbered as the transfer-type bits of an endpoint's attributes.
    enum class TransferType { Control = 0, Isochronous = 1, Bulk = 2, Interrupt = 3 };

    // Bit 7 of an endpoint address is set for the device-to-host direction.
    static constexpr uint8_t kEndpointIn = 0x80;
    static constexpr uint8_t kPrinterClass = 7;

    struct Endpoint {
        uint8_t address = 0;
        TransferType type = TransferType::Bulk;
        bool operator==(const Endpoint &) const = default;
    };

    struct AltSetting {
        uint8_t number = 0;
        uint8_t interfaceClass = 0;
        std::vector<Endpoint> endpoints;
        bool operator==(const AltSetting &) const = default;
    };

    struct Interface {
        uint8_t number = 0;
        std::vector<AltSetting> altSettings;
        bool operator==(const Interface &) const = default;
    };

    // The interfaces of a device's active configuration, in descriptor order.
    struct Device {
        std::vector<Interface> interfaces;
        bool operator==(const Device &) const = default;
    };

    virtual ~UsbBackend() = default;

    // Lists the connected devices; open() names one by its place in the list.
    virtual Status devices(std::vector<Device> &found) = 0;
    virtual Status open(size_t device) = 0;
    virtual void close() = 0;

    // Everything below acts on the open device.

    // Whether a kernel driver holds the interface; false also when the
    // system cannot tell.
    virtual bool kernelDriverActive(uint8_t interface) = 0;
    virtual Status detachKernelDriver(uint8_t interface) = 0;
    virtual Status attachKernelDriver(uint8_t interface) = 0;

    virtual Status claimInterface(uint8_t interface) = 0;
    virtual Status setAltSetting(uint8_t interface, uint8_t altSetting) = 0;
    virtual Status releaseInterface(uint8_t interface) = 0;

    // Moves up to length bytes in the direction of the endpoint; transferred
    // receives how many moved, also when the transfer failed or timed out.
    // A time-out of 0 waits for ever.
    virtual Status bulkTransfer(uint8_t endpoint, uint8_t *data, int length, int &transferred,
                                unsigned timeoutMs) = 0;
    virtual Status clearHalt(uint8_t endpoint) = 0;
};

} // namespace prtsdk
