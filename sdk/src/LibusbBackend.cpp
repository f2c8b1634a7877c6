#include "LibusbBackend.h"

#include <libusb.h>

namespace prtsdk
{
namespace
{

UsbBackend::Endpoint endpoint(const libusb_endpoint_descriptor &descriptor)
{
    // The enumeration is numbered as the transfer-type bits of the attributes.
    return {descriptor.bEndpointAddress, static_cast<UsbBackend::TransferType>(
                                             descriptor.bmAttributes & LIBUSB_TRANSFER_TYPE_MASK)};
}

UsbBackend::AltSetting altSetting(const libusb_interface_descriptor &descriptor)
{
    UsbBackend::AltSetting setting{descriptor.bAlternateSetting, descriptor.bInterfaceClass, {}};
    for (int e = 0; e < descriptor.bNumEndpoints; ++e)
        setting.endpoints.push_back(endpoint(descriptor.endpoint[e]));
    return setting;
}

} // namespace

LibusbBackend::~LibusbBackend()
{
    close();
    forgetDevices();
    if (m_context)
        libusb_exit(m_context);
}

UsbBackend::Status LibusbBackend::status(int libusbCode)
{
    switch (libusbCode) {
    case LIBUSB_SUCCESS:
        return Status::Ok;
    case LIBUSB_ERROR_TIMEOUT:
        return Status::TimedOut;
    case LIBUSB_ERROR_PIPE:
        return Status::Stalled;
    case LIBUSB_ERROR_NO_DEVICE:
        return Status::NoDevice;
    case LIBUSB_ERROR_ACCESS:
        return Status::AccessDenied;
    case LIBUSB_ERROR_BUSY:
        return Status::Busy;
    case LIBUSB_ERROR_NOT_FOUND:
        return Status::NotFound;
    case LIBUSB_ERROR_NOT_SUPPORTED:
        return Status::NotSupported;
    default:
        return Status::Failed;
    }
}

UsbBackend::Device LibusbBackend::describe(const libusb_config_descriptor &config)
{
    Device device;
    for (int i = 0; i < config.bNumInterfaces; ++i) {
        const libusb_interface &interface = config.interface[i];
        if (interface.num_altsetting < 1)
            continue;
        Interface described{interface.altsetting[0].bInterfaceNumber, {}};
        for (int a = 0; a < interface.num_altsetting; ++a)
            described.altSettings.push_back(altSetting(interface.altsetting[a]));
        device.interfaces.push_back(std::move(described));
    }
    return device;
}

UsbBackend::Device LibusbBackend::describe(libusb_device *device)
{
    libusb_config_descriptor *config = nullptr;
    // An unconfigured device still tells what its first configuration offers.
    if (libusb_get_active_config_descriptor(device, &config) != 0 &&
        libusb_get_config_descriptor(device, 0, &config) != 0)
        return {};
    Device described = describe(*config);
    libusb_free_config_descriptor(config);
    return described;
}

UsbBackend::Status LibusbBackend::devices(std::vector<Device> &found)
{
    found.clear();
    forgetDevices();
    if (!m_context && libusb_init(&m_context) != 0) {
        m_context = nullptr;
        return Status::Failed;
    }
    libusb_device **list = nullptr;
    const ssize_t count = libusb_get_device_list(m_context, &list);
    if (count < 0)
        return status(static_cast<int>(count));
    for (ssize_t i = 0; i < count; ++i) {
        m_devices.push_back(libusb_ref_device(list[i]));
        found.push_back(describe(list[i]));
    }
    // The list is allocated even when it is empty.
    libusb_free_device_list(list, 1);
    return Status::Ok;
}

void LibusbBackend::forgetDevices()
{
    for (libusb_device *device : m_devices)
        libusb_unref_device(device);
    m_devices.clear();
}

UsbBackend::Status LibusbBackend::open(size_t device)
{
    close();
    if (device >= m_devices.size())
        return Status::NotFound;
    return status(libusb_open(m_devices[device], &m_handle));
}

void LibusbBackend::close()
{
    if (m_handle)
        libusb_close(m_handle);
    m_handle = nullptr;
}

bool LibusbBackend::kernelDriverActive(uint8_t interface)
{
    return libusb_kernel_driver_active(m_handle, interface) == 1;
}

UsbBackend::Status LibusbBackend::detachKernelDriver(uint8_t interface)
{
    return status(libusb_detach_kernel_driver(m_handle, interface));
}

UsbBackend::Status LibusbBackend::attachKernelDriver(uint8_t interface)
{
    return status(libusb_attach_kernel_driver(m_handle, interface));
}

UsbBackend::Status LibusbBackend::claimInterface(uint8_t interface)
{
    return status(libusb_claim_interface(m_handle, interface));
}

UsbBackend::Status LibusbBackend::setAltSetting(uint8_t interface, uint8_t altSetting)
{
    return status(libusb_set_interface_alt_setting(m_handle, interface, altSetting));
}

UsbBackend::Status LibusbBackend::releaseInterface(uint8_t interface)
{
    return status(libusb_release_interface(m_handle, interface));
}

UsbBackend::Status LibusbBackend::bulkTransfer(uint8_t endpoint, uint8_t *data, int length,
                                               int &transferred, unsigned timeoutMs)
{
    // libusb leaves the count alone when the transfer cannot even start.
    transferred = 0;
    return status(libusb_bulk_transfer(m_handle, endpoint, data, length, &transferred, timeoutMs));
}

UsbBackend::Status LibusbBackend::clearHalt(uint8_t endpoint)
{
    return status(libusb_clear_halt(m_handle, endpoint));
}

} // namespace prtsdk
