#include "UsbTransport.h"

#include "PollWait.h"
#include "prtsdk.h"

#include <libusb.h>

#include <algorithm>
#include <cstring>

namespace prtsdk
{
namespace
{

constexpr int kReadChunk = 4096;

struct PrinterInterface {
    int number = -1;
    unsigned char out = 0;
    unsigned char in = 0;
};

// The first interface of the printer class with a bulk endpoint each way.
PrinterInterface findPrinterInterface(libusb_device *device)
{
    libusb_config_descriptor *config = nullptr;
    if (libusb_get_active_config_descriptor(device, &config) != 0 &&
        libusb_get_config_descriptor(device, 0, &config) != 0)
        return {};
    PrinterInterface found;
    for (int i = 0; i < config->bNumInterfaces && found.number < 0; ++i) {
        const libusb_interface &interface = config->interface[i];
        for (int a = 0; a < interface.num_altsetting && found.number < 0; ++a) {
            const libusb_interface_descriptor &setting = interface.altsetting[a];
            if (setting.bInterfaceClass != LIBUSB_CLASS_PRINTER)
                continue;
            PrinterInterface candidate{setting.bInterfaceNumber, 0, 0};
            for (int e = 0; e < setting.bNumEndpoints; ++e) {
                const libusb_endpoint_descriptor &endpoint = setting.endpoint[e];
                if ((endpoint.bmAttributes & LIBUSB_TRANSFER_TYPE_MASK) !=
                    LIBUSB_TRANSFER_TYPE_BULK)
                    continue;
                if (endpoint.bEndpointAddress & LIBUSB_ENDPOINT_IN)
                    candidate.in = candidate.in ? candidate.in : endpoint.bEndpointAddress;
                else
                    candidate.out = candidate.out ? candidate.out : endpoint.bEndpointAddress;
            }
            if (candidate.out)
                found = candidate;
        }
    }
    libusb_free_config_descriptor(config);
    return found;
}

int32_t transferError(int error)
{
    switch (error) {
    case LIBUSB_ERROR_PIPE:
        return PRT_ERR_USB_STALL;
    case LIBUSB_ERROR_NO_DEVICE:
        return PRT_ERR_USB_GONE;
    default:
        return PRT_ERR_USB_TRANSFER;
    }
}

} // namespace

UsbTransport::UsbTransport() = default;

UsbTransport::~UsbTransport()
{
    close();
}

int32_t UsbTransport::open()
{
    if (libusb_init(&m_context) != 0) {
        m_context = nullptr;
        return PRT_ERR_USB_NOT_FOUND;
    }
    const int32_t status = openFirstPrinter();
    if (status != PRT_OK)
        close();
    return status;
}

int32_t UsbTransport::openFirstPrinter()
{
    libusb_device **devices = nullptr;
    const ssize_t count = libusb_get_device_list(m_context, &devices);
    int32_t status = PRT_ERR_USB_NOT_FOUND;
    for (ssize_t i = 0; i < count && !m_device; ++i) {
        const PrinterInterface printer = findPrinterInterface(devices[i]);
        if (printer.number < 0)
            continue;
        const int opened = libusb_open(devices[i], &m_device);
        if (opened != 0) {
            status = opened == LIBUSB_ERROR_ACCESS ? PRT_ERR_USB_ACCESS : PRT_ERR_USB_CLAIM;
            m_device = nullptr;
            continue;
        }
        m_interface = printer.number;
        m_outEndpoint = printer.out;
        m_inEndpoint = printer.in;
    }
    if (count > 0)
        libusb_free_device_list(devices, 1);
    return m_device ? claim() : status;
}

int32_t UsbTransport::claim()
{
    if (libusb_kernel_driver_active(m_device, m_interface) == 1) {
        if (libusb_detach_kernel_driver(m_device, m_interface) != 0)
            return PRT_ERR_USB_CLAIM;
        m_driverDetached = true;
    }
    const int claimed = libusb_claim_interface(m_device, m_interface);
    if (claimed == LIBUSB_ERROR_ACCESS)
        return PRT_ERR_USB_ACCESS;
    return claimed == 0 ? PRT_OK : PRT_ERR_USB_CLAIM;
}

void UsbTransport::close()
{
    if (m_device) {
        libusb_release_interface(m_device, m_interface);
        if (m_driverDetached)
            libusb_attach_kernel_driver(m_device, m_interface);
        libusb_close(m_device);
    }
    if (m_context)
        libusb_exit(m_context);
    m_device = nullptr;
    m_context = nullptr;
    m_driverDetached = false;
    m_pending.clear();
}

int32_t UsbTransport::write(const uint8_t *bytes, size_t count, int timeoutMs)
{
    // A busy printer takes data slowly; only a printer that takes nothing
    // for the whole bound has stalled.
    const int64_t deadline = monotonicMs() + timeoutMs;
    size_t sent = 0;
    while (sent < count) {
        const int64_t left = deadline - monotonicMs();
        if (left <= 0)
            return PRT_ERR_WRITE_TIMEOUT;
        int moved = 0;
        const int result = libusb_bulk_transfer(
            m_device, m_outEndpoint, const_cast<uint8_t *>(bytes + sent),
            static_cast<int>(count - sent), &moved, static_cast<unsigned>(left));
        sent += static_cast<size_t>(moved);
        if (result != 0 && result != LIBUSB_ERROR_TIMEOUT)
            return transferError(result);
    }
    return PRT_OK;
}

int32_t UsbTransport::read(uint8_t *buffer, size_t capacity, int timeoutMs, size_t &count)
{
    count = 0;
    if (m_pending.empty() && m_inEndpoint) {
        m_pending.resize(kReadChunk);
        int moved = 0;
        // libusb waits for ever on a time-out of 0.
        const int result =
            libusb_bulk_transfer(m_device, m_inEndpoint, m_pending.data(), kReadChunk, &moved,
                                 static_cast<unsigned>(std::max(timeoutMs, 1)));
        m_pending.resize(static_cast<size_t>(moved));
        if (result != 0 && result != LIBUSB_ERROR_TIMEOUT)
            return transferError(result);
    }
    count = std::min(capacity, m_pending.size());
    std::memcpy(buffer, m_pending.data(), count);
    m_pending.erase(m_pending.begin(), m_pending.begin() + static_cast<ptrdiff_t>(count));
    return PRT_OK;
}

} // namespace prtsdk
