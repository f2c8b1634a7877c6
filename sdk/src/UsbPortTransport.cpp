#include "UsbPortTransport.h"

#include "DeviceFileTransport.h"
#include "UsbTransport.h"
#include "prtsdk.h"

#include <filesystem>

namespace prtsdk
{

UsbPortTransport::UsbPortTransport(std::string usbDeviceFolder, UsbFactory makeUsb)
    : m_folder(std::move(usbDeviceFolder)), m_makeUsb(std::move(makeUsb))
{
}

std::string UsbPortTransport::firstPrinterDevice(const std::string &folder)
{
    constexpr int kMaxPrinters = 16;
    for (int n = 0; n < kMaxPrinters; ++n) {
        const std::string path = folder + "/lp" + std::to_string(n);
        std::error_code error;
        if (std::filesystem::exists(path, error))
            return path;
    }
    return {};
}

int32_t UsbPortTransport::open()
{
    std::unique_ptr<Transport> usb = m_makeUsb ? m_makeUsb() : std::make_unique<UsbTransport>();
    const int32_t status = usb->open();
    if (status == PRT_OK) {
        m_active = std::move(usb);
        return PRT_OK;
    }
    const std::string device = firstPrinterDevice(m_folder);
    if (device.empty())
        return status;
    auto kernel = std::make_unique<DeviceFileTransport>(
        device, DeviceFileTransport::Codes{PRT_ERR_USB_NOT_FOUND, PRT_ERR_USB_ACCESS});
    const int32_t fallback = kernel->open();
    if (fallback == PRT_OK)
        m_active = std::move(kernel);
    // When both ways fail, libusb's reason is the one worth telling, unless
    // it found nothing at all.
    return fallback == PRT_OK ? PRT_OK : status == PRT_ERR_USB_NOT_FOUND ? fallback : status;
}

void UsbPortTransport::close()
{
    if (m_active)
        m_active->close();
    m_active.reset();
}

int32_t UsbPortTransport::write(const uint8_t *bytes, size_t count, int timeoutMs)
{
    if (!m_active)
        return PRT_ERR_NOT_OPEN;
    return m_active->write(bytes, count, timeoutMs);
}

int32_t UsbPortTransport::read(uint8_t *buffer, size_t capacity, int timeoutMs, size_t &count)
{
    count = 0;
    if (!m_active)
        return PRT_ERR_NOT_OPEN;
    return m_active->read(buffer, capacity, timeoutMs, count);
}

} // namespace prtsdk
