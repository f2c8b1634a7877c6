#pragma once

#include "UsbBackend.h"

struct libusb_config_descriptor;
struct libusb_context;
struct libusb_device;
struct libusb_device_handle;

namespace prtsdk
{

// The USB backend on libusb-1.0. Its context lives as long as the backend,
// and the devices of the last list stay referenced until the next list, so
// open() can name them by their place.
class LibusbBackend : public UsbBackend
{
public:
    LibusbBackend() = default;
    ~LibusbBackend() override;
    LibusbBackend(const LibusbBackend &) = delete;
    LibusbBackend &operator=(const LibusbBackend &) = delete;

    Status devices(std::vector<Device> &found) override;
    Status open(size_t device) override;
    void close() override;
    bool kernelDriverActive(uint8_t interface) override;
    Status detachKernelDriver(uint8_t interface) override;
    Status attachKernelDriver(uint8_t interface) override;
    Status claimInterface(uint8_t interface) override;
    Status setAltSetting(uint8_t interface, uint8_t altSetting) override;
    Status releaseInterface(uint8_t interface) override;
    Status bulkTransfer(uint8_t endpoint, uint8_t *data, int length, int &transferred,
                        unsigned timeoutMs) override;
    Status clearHalt(uint8_t endpoint) override;

    // A libusb return code as a status.
    static Status status(int libusbCode);
    // The interfaces of a configuration descriptor, as devices() reports them.
    static Device describe(const libusb_config_descriptor &config);

private:
    static Device describe(libusb_device *device);
    void forgetDevices();

    libusb_context *m_context = nullptr;
    std::vector<libusb_device *> m_devices;
    libusb_device_handle *m_handle = nullptr;
};

} // namespace prtsdk
