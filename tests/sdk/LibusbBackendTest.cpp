#include "LibusbBackend.h"

#include <gtest/gtest.h>

#include <libusb.h>

#include <vector>

using prtsdk::LibusbBackend;
using prtsdk::UsbBackend;
using Status = UsbBackend::Status;
using TransferType = UsbBackend::TransferType;

namespace
{

struct StatusCase {
    const char *name;
    int code;
    Status status;
};

class LibusbStatus : public ::testing::TestWithParam<StatusCase>
{
};

TEST_P(LibusbStatus, KeepsTheMeaningOfEveryCodeTheUsbPortTells)
{
    EXPECT_EQ(LibusbBackend::status(GetParam().code), GetParam().status);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, LibusbStatus,
    ::testing::Values(StatusCase{"Success", LIBUSB_SUCCESS, Status::Ok},
                      StatusCase{"Timeout", LIBUSB_ERROR_TIMEOUT, Status::TimedOut},
                      StatusCase{"Pipe", LIBUSB_ERROR_PIPE, Status::Stalled},
                      StatusCase{"NoDevice", LIBUSB_ERROR_NO_DEVICE, Status::NoDevice},
                      StatusCase{"Access", LIBUSB_ERROR_ACCESS, Status::AccessDenied},
                      StatusCase{"Busy", LIBUSB_ERROR_BUSY, Status::Busy},
                      StatusCase{"NotFound", LIBUSB_ERROR_NOT_FOUND, Status::NotFound},
                      StatusCase{"NotSupported", LIBUSB_ERROR_NOT_SUPPORTED, Status::NotSupported},
                      StatusCase{"Io", LIBUSB_ERROR_IO, Status::Failed},
                      StatusCase{"Overflow", LIBUSB_ERROR_OVERFLOW, Status::Failed},
                      StatusCase{"Other", LIBUSB_ERROR_OTHER, Status::Failed}),
    [](const ::testing::TestParamInfo<StatusCase> &info) { return std::string(info.param.name); });

libusb_endpoint_descriptor endpoint(uint8_t address, uint8_t transferType)
{
    libusb_endpoint_descriptor descriptor{};
    descriptor.bEndpointAddress = address;
    // The upper bits carry synchronisation and usage, which say nothing
    // about the transfer type.
    descriptor.bmAttributes = static_cast<uint8_t>(transferType | 0x0c);
    return descriptor;
}

libusb_interface_descriptor setting(uint8_t number, uint8_t alternate, uint8_t interfaceClass,
                                    const std::vector<libusb_endpoint_descriptor> &endpoints)
{
    libusb_interface_descriptor descriptor{};
    descriptor.bInterfaceNumber = number;
    descriptor.bAlternateSetting = alternate;
    descriptor.bInterfaceClass = interfaceClass;
    descriptor.bNumEndpoints = static_cast<uint8_t>(endpoints.size());
    descriptor.endpoint = endpoints.data();
    return descriptor;
}

TEST(LibusbBackend, DescribesEveryInterfaceSettingAndEndpointOfAConfiguration)
{
    const std::vector hidEndpoints = {endpoint(0x81, LIBUSB_TRANSFER_TYPE_INTERRUPT)};
    const std::vector printOnly = {endpoint(0x02, LIBUSB_TRANSFER_TYPE_BULK)};
    const std::vector bidirectional = {endpoint(0x02, LIBUSB_TRANSFER_TYPE_BULK),
                                       endpoint(0x83, LIBUSB_TRANSFER_TYPE_BULK),
                                       endpoint(0x84, LIBUSB_TRANSFER_TYPE_ISOCHRONOUS)};
    const std::vector hid = {setting(0, 0, LIBUSB_CLASS_HID, hidEndpoints)};
    const std::vector printer = {setting(1, 0, LIBUSB_CLASS_PRINTER, printOnly),
                                 setting(1, 1, LIBUSB_CLASS_PRINTER, bidirectional)};
    const libusb_interface interfaces[] = {{hid.data(), 1}, {nullptr, 0}, {printer.data(), 2}};
    libusb_config_descriptor config{};
    config.bNumInterfaces = 3;
    config.interface = interfaces;

    const UsbBackend::Device expected{
        {{0, {{0, LIBUSB_CLASS_HID, {{0x81, TransferType::Interrupt}}}}},
         {1,
          {{0, LIBUSB_CLASS_PRINTER, {{0x02, TransferType::Bulk}}},
           {1,
            LIBUSB_CLASS_PRINTER,
            {{0x02, TransferType::Bulk},
             {0x83, TransferType::Bulk},
             {0x84, TransferType::Isochronous}}}}}}};
    EXPECT_EQ(LibusbBackend::describe(config), expected);
}

} // namespace
