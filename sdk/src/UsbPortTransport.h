#pragma once

#include "Transport.h"

#include <functional>
#include <memory>
#include <string>

namespace prtsdk
{

// The "USB" port: the first USB printer through libusb, or, when libusb can
// use none (no permission, or no libusb device), the kernel's first USB
// printer device under /dev/usb.
class UsbPortTransport : public Transport
{
public:
    // Builds the port that reaches the printer through libusb.
    using UsbFactory = std::function<std::unique_ptr<Transport>()>;

    // usbDeviceFolder is where the kernel's printer devices appear; without
    // a factory the libusb port is a UsbTransport.
    explicit UsbPortTransport(std::string usbDeviceFolder = "/dev/usb", UsbFactory makeUsb = {});

    int32_t open() override;
    void close() override;
    int32_t write(const uint8_t *bytes, size_t count, int timeoutMs) override;
    int32_t read(uint8_t *buffer, size_t capacity, int timeoutMs, size_t &count) override;

    // The first lp device in the folder, by number; empty when there is none.
    static std::string firstPrinterDevice(const std::string &folder);

private:
    std::string m_folder;
    UsbFactory m_makeUsb;
    std::unique_ptr<Transport> m_active;
};

} // namespace prtsdk
