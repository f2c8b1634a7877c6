#include "UsbTransport.h"
#include "FakeUsbBackend.h"
#include "PrinterTerminal.h"
#include "TempFolder.h"
#include "UsbPortTransport.h"
#include "prtsdk.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;

using prtsdk::UsbBackend;
using prtsdk::UsbPortTransport;
using prtsdk::UsbTransport;
using Answer = FakeUsbBackend::Answer;
using Calls = std::vector<std::string>;
using ScriptedDevice = FakeUsbBackend::ScriptedDevice;
using Status = UsbBackend::Status;

namespace
{

constexpr uint8_t kHidClass = 3;
constexpr uint8_t kStorageClass = 8;
constexpr uint8_t kHubClass = 9;
constexpr uint8_t kPrinterClass = UsbBackend::kPrinterClass;
constexpr int kBound = 2000;

UsbBackend::Endpoint bulk(uint8_t address)
{
    return {address, UsbBackend::TransferType::Bulk};
}

UsbBackend::Endpoint interrupt(uint8_t address)
{
    return {address, UsbBackend::TransferType::Interrupt};
}

UsbBackend::AltSetting setting(uint8_t number, uint8_t interfaceClass,
                               std::vector<UsbBackend::Endpoint> endpoints)
{
    return {number, interfaceClass, std::move(endpoints)};
}

UsbBackend::Interface interface(uint8_t number, std::vector<UsbBackend::AltSetting> settings)
{
    return {number, std::move(settings)};
}

// An interface with a single setting.
UsbBackend::Interface interface(uint8_t number, uint8_t interfaceClass,
                                std::vector<UsbBackend::Endpoint> endpoints)
{
    return interface(number, {setting(0, interfaceClass, std::move(endpoints))});
}

ScriptedDevice device(std::vector<UsbBackend::Interface> interfaces)
{
    return {{std::move(interfaces)}};
}

// A plain printer: interface 0 with bulk OUT 0x01 and bulk IN 0x82.
ScriptedDevice printer()
{
    return device({interface(0, kPrinterClass, {bulk(0x01), bulk(0x82)})});
}

ScriptedDevice refusingOpen(Status answer)
{
    ScriptedDevice refusing = printer();
    refusing.open = answer;
    return refusing;
}

ScriptedDevice refusingClaim(Status answer)
{
    ScriptedDevice refusing = printer();
    refusing.claim = answer;
    return refusing;
}

// Gives each row of a table its name in the test list.
struct CaseName {
    template <typename Case>
    std::string operator()(const ::testing::TestParamInfo<Case> &info) const
    {
        return info.param.name;
    }
};

// A USB port on a scripted bus.
class FakeUsbTest : public ::testing::Test
{
protected:
    std::unique_ptr<UsbTransport> makeTransport() const
    {
        return std::make_unique<UsbTransport>(std::make_unique<FakeUsbBackend>(script));
    }

    // Opens the single scripted printer and forgets the calls that took.
    void openPrinter(ScriptedDevice scripted = printer())
    {
        script->devices = {std::move(scripted)};
        ASSERT_EQ(transport->open(), PRT_OK);
        script->calls.clear();
    }

    int32_t write(const std::string &bytes, int timeoutMs = kBound)
    {
        return transport->write(reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size(),
                                timeoutMs);
    }

    std::string read(size_t capacity, int32_t expectedStatus = PRT_OK, int timeoutMs = kBound)
    {
        std::vector<uint8_t> buffer(capacity);
        size_t count = SIZE_MAX;
        EXPECT_EQ(transport->read(buffer.data(), capacity, timeoutMs, count), expectedStatus);
        EXPECT_LE(count, capacity);
        return std::string(buffer.begin(), buffer.begin() + static_cast<ptrdiff_t>(count));
    }

    std::vector<uint8_t> endpointsUsed() const
    {
        std::vector<uint8_t> endpoints;
        for (const FakeUsbBackend::Transfer &transfer : script->transfers)
            endpoints.push_back(transfer.endpoint);
        return endpoints;
    }

    std::shared_ptr<FakeUsbBackend::Script> script = std::make_shared<FakeUsbBackend::Script>();
    std::unique_ptr<UsbTransport> transport = makeTransport();
};

template <typename Case>
class FakeUsbTable : public FakeUsbTest, public ::testing::WithParamInterface<Case>
{
};

// --- Choosing the printer -------------------------------------------------

struct SelectionCase {
    const char *name;
    std::vector<ScriptedDevice> devices;
    Calls calls;
    // What a write and then a read go through; a printer that cannot
    // answer starts no transfer for the read.
    std::vector<uint8_t> endpoints;
};

using PrinterSelection = FakeUsbTable<SelectionCase>;

TEST_P(PrinterSelection, TakesTheFirstPrinterInterfaceWithBulkOut)
{
    script->devices = GetParam().devices;
    ASSERT_EQ(transport->open(), PRT_OK);
    EXPECT_EQ(script->calls, GetParam().calls);
    EXPECT_EQ(write("ping"), PRT_OK);
    EXPECT_EQ(read(16), "");
    EXPECT_EQ(endpointsUsed(), GetParam().endpoints);
}

INSTANTIATE_TEST_SUITE_P(
    Buses, PrinterSelection,
    ::testing::Values(
        SelectionCase{"OnlyAPrinter", {printer()}, {"open 0", "claim 0"}, {0x01, 0x82}},
        SelectionCase{"OtherDevicesSkipped",
                      {device({interface(0, kHubClass, {interrupt(0x81)})}),
                       device({interface(0, kStorageClass, {bulk(0x01), bulk(0x82)})}), printer()},
                      {"open 2", "claim 0"},
                      {0x01, 0x82}},
        SelectionCase{"FirstOfTwoPrinters",
                      {device({interface(0, kPrinterClass, {bulk(0x03), bulk(0x84)})}), printer()},
                      {"open 0", "claim 0"},
                      {0x03, 0x84}},
        SelectionCase{
            "PrinterWithoutBulkOutSkipped",
            {device({interface(0, kPrinterClass, {interrupt(0x01), bulk(0x82)})}), printer()},
            {"open 1", "claim 0"},
            {0x01, 0x82}},
        SelectionCase{"SecondInterfaceOfACompositeDevice",
                      {device({interface(0, kHidClass, {interrupt(0x81)}),
                               interface(1, kPrinterClass, {bulk(0x82), bulk(0x03)})})},
                      {"open 0", "claim 1"},
                      {0x03, 0x82}},
        SelectionCase{"FirstEndpointOfEachDirection",
                      {device({interface(0, kPrinterClass,
                                         {bulk(0x81), bulk(0x02), bulk(0x83), bulk(0x04)})})},
                      {"open 0", "claim 0"},
                      {0x02, 0x81}},
        SelectionCase{"PrinterThatCannotAnswer",
                      {device({interface(0, kPrinterClass, {bulk(0x01)})})},
                      {"open 0", "claim 0"},
                      {0x01}},
        SelectionCase{"SettingThatAnswersPreferred",
                      {device({interface(0, {setting(0, kPrinterClass, {bulk(0x01)}),
                                             setting(1, kPrinterClass, {bulk(0x01), bulk(0x82)}),
                                             setting(2, kPrinterClass, {bulk(0x03)})})})},
                      {"open 0", "claim 0", "alt 0 1"},
                      {0x01, 0x82}},
        SelectionCase{"PrintOnlySettingWhenNoneAnswers",
                      {device({interface(0, {setting(0, kHidClass, {interrupt(0x81)}),
                                             setting(1, kPrinterClass, {bulk(0x01)})})})},
                      {"open 0", "claim 0", "alt 0 1"},
                      {0x01}},
        SelectionCase{"NextPrinterWhenTheFirstIsBusy",
                      {refusingClaim(Status::Busy),
                       device({interface(0, kPrinterClass, {bulk(0x03), bulk(0x84)})})},
                      {"open 0", "claim 0", "close", "open 1", "claim 0"},
                      {0x03, 0x84}},
        SelectionCase{"NextPrinterWhenTheFirstIsDenied",
                      {refusingOpen(Status::AccessDenied),
                       device({interface(0, kPrinterClass, {bulk(0x03), bulk(0x84)})})},
                      {"open 0", "open 1", "claim 0"},
                      {0x03, 0x84}}),
    CaseName());

struct FailureCase {
    const char *name;
    Status listing;
    std::vector<ScriptedDevice> devices;
    int32_t status;
    // Everything taken on the way is given back.
    Calls calls;
};

using OpenFailure = FakeUsbTable<FailureCase>;

TEST_P(OpenFailure, ToldByItsOwnCodeWithNothingLeftTaken)
{
    script->listing = GetParam().listing;
    script->devices = GetParam().devices;
    EXPECT_EQ(transport->open(), GetParam().status);
    EXPECT_EQ(script->calls, GetParam().calls);
    EXPECT_EQ(write("ping"), PRT_ERR_NOT_OPEN);
    EXPECT_TRUE(script->transfers.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Buses, OpenFailure,
    ::testing::Values(
        FailureCase{"EmptyBus", Status::Ok, {}, PRT_ERR_USB_NOT_FOUND, {}},
        FailureCase{"NoPrinterAmongOthers",
                    Status::Ok,
                    {device({interface(0, kHubClass, {interrupt(0x81)})}),
                     device({interface(0, kPrinterClass, {bulk(0x82)})})},
                    PRT_ERR_USB_NOT_FOUND,
                    {}},
        FailureCase{"BusNotListed", Status::Failed, {printer()}, PRT_ERR_USB_NOT_FOUND, {}},
        FailureCase{"PermissionDenied",
                    Status::Ok,
                    {refusingOpen(Status::AccessDenied)},
                    PRT_ERR_USB_ACCESS,
                    {"open 0"}},
        FailureCase{"UnpluggedBeforeOpening",
                    Status::Ok,
                    {refusingOpen(Status::NoDevice)},
                    PRT_ERR_USB_NOT_FOUND,
                    {"open 0"}},
        FailureCase{"OpenRefusedOtherwise",
                    Status::Ok,
                    {refusingOpen(Status::Failed)},
                    PRT_ERR_USB_CLAIM,
                    {"open 0"}},
        FailureCase{"InterfaceBusy",
                    Status::Ok,
                    {refusingClaim(Status::Busy)},
                    PRT_ERR_USB_CLAIM,
                    {"open 0", "claim 0", "close"}},
        FailureCase{"InterfaceDenied",
                    Status::Ok,
                    {refusingClaim(Status::AccessDenied)},
                    PRT_ERR_USB_ACCESS,
                    {"open 0", "claim 0", "close"}},
        FailureCase{"SettingRefused",
                    Status::Ok,
                    {[] {
                        ScriptedDevice twoSettings =
                            device({interface(0, {setting(0, kPrinterClass, {bulk(0x01)}),
                                                  setting(1, kPrinterClass, {bulk(0x02)})})});
                        twoSettings.altSetting = Status::Failed;
                        return twoSettings;
                    }()},
                    PRT_ERR_USB_CLAIM,
                    {"open 0", "claim 0", "alt 0 0", "release 0", "close"}},
        FailureCase{"FirstReasonToldWhenEveryPrinterFails",
                    Status::Ok,
                    {refusingOpen(Status::NoDevice), refusingOpen(Status::AccessDenied),
                     refusingClaim(Status::Busy)},
                    PRT_ERR_USB_ACCESS,
                    {"open 0", "open 1", "open 2", "claim 0", "close"}}),
    CaseName());

// --- The kernel's printer driver ------------------------------------------

struct DriverCase {
    const char *name;
    bool active;
    Status detach;
    Status claim;
    int32_t status;
    // From opening to closing.
    Calls calls;
};

using KernelDriver = FakeUsbTable<DriverCase>;

TEST_P(KernelDriver, DetachedWhileOpenAndGivenBackOnlyIfWeTookIt)
{
    ScriptedDevice scripted = printer();
    scripted.driverActive = GetParam().active;
    scripted.detach = GetParam().detach;
    scripted.claim = GetParam().claim;
    script->devices = {scripted};
    EXPECT_EQ(transport->open(), GetParam().status);
    transport->close();
    EXPECT_EQ(script->calls, GetParam().calls);
}

INSTANTIATE_TEST_SUITE_P(Drivers, KernelDriver,
                         ::testing::Values(DriverCase{"Attached",
                                                      true,
                                                      Status::Ok,
                                                      Status::Ok,
                                                      PRT_OK,
                                                      {"open 0", "detach 0", "claim 0", "release 0",
                                                       "attach 0", "close"}},
                                           DriverCase{"NotAttached",
                                                      false,
                                                      Status::Ok,
                                                      Status::Ok,
                                                      PRT_OK,
                                                      {"open 0", "claim 0", "release 0", "close"}},
                                           DriverCase{"DetachRefused",
                                                      true,
                                                      Status::Busy,
                                                      Status::Ok,
                                                      PRT_ERR_USB_CLAIM,
                                                      {"open 0", "detach 0", "close"}},
                                           DriverCase{"DetachDenied",
                                                      true,
                                                      Status::AccessDenied,
                                                      Status::Ok,
                                                      PRT_ERR_USB_ACCESS,
                                                      {"open 0", "detach 0", "close"}},
                                           DriverCase{"ClaimFailsAfterDetaching",
                                                      true,
                                                      Status::Ok,
                                                      Status::Busy,
                                                      PRT_ERR_USB_CLAIM,
                                                      {"open 0", "detach 0", "claim 0", "attach 0",
                                                       "close"}}),
                         CaseName());

TEST_F(FakeUsbTest, DestroyingAnOpenPortGivesTheDriverBack)
{
    ScriptedDevice scripted = printer();
    scripted.driverActive = true;
    openPrinter(scripted);
    transport.reset();
    EXPECT_EQ(script->calls, (Calls{"release 0", "attach 0", "close"}));
}

TEST_F(FakeUsbTest, OpeningAgainGivesTheFirstOpeningBack)
{
    ScriptedDevice scripted = printer();
    scripted.driverActive = true;
    openPrinter(scripted);
    ASSERT_EQ(transport->open(), PRT_OK);
    EXPECT_EQ(script->calls,
              (Calls{"release 0", "attach 0", "close", "open 0", "detach 0", "claim 0"}));
}

// --- Writing --------------------------------------------------------------

struct WriteCase {
    const char *name;
    std::vector<Answer> answers;
    int32_t status;
    std::string received;
    size_t transfers;
    Calls calls;
};

using Writing = FakeUsbTable<WriteCase>;

const std::string kPayload = "0123456789";

TEST_P(Writing, CarriesOnAfterPartsAndStopsOnFailure)
{
    openPrinter();
    script->answers.assign(GetParam().answers.begin(), GetParam().answers.end());
    EXPECT_EQ(write(kPayload), GetParam().status);
    EXPECT_EQ(script->received, GetParam().received);
    ASSERT_EQ(script->transfers.size(), GetParam().transfers);
    size_t offset = 0;
    for (const FakeUsbBackend::Transfer &transfer : script->transfers) {
        EXPECT_EQ(transfer.endpoint, 0x01);
        EXPECT_EQ(static_cast<size_t>(transfer.length), kPayload.size() - offset);
        EXPECT_GE(transfer.timeoutMs, 1u);
        EXPECT_LE(transfer.timeoutMs, static_cast<unsigned>(kBound));
        offset += static_cast<size_t>(transfer.moved);
    }
    EXPECT_EQ(script->calls, GetParam().calls);
}

INSTANTIATE_TEST_SUITE_P(
    Printers, Writing,
    ::testing::Values(
        WriteCase{"AllAtOnce", {}, PRT_OK, kPayload, 1, {}},
        WriteCase{
            "InPieces",
            {{Status::TimedOut, 3, ""}, {Status::TimedOut, 4, ""}, {Status::Ok, SIZE_MAX, ""}},
            PRT_OK,
            kPayload,
            3,
            {}},
        WriteCase{"NothingTaken", {{Status::TimedOut, 0, ""}}, PRT_ERR_WRITE_TIMEOUT, "", 1, {}},
        WriteCase{"PartThenNothing",
                  {{Status::TimedOut, 4, ""}, {Status::TimedOut, 0, ""}},
                  PRT_ERR_WRITE_TIMEOUT,
                  "0123",
                  2,
                  {}},
        WriteCase{
            "Stalled", {{Status::Stalled, 0, ""}}, PRT_ERR_USB_STALL, "", 1, {"clear-halt 0x01"}},
        WriteCase{"StalledAfterPart",
                  {{Status::TimedOut, 5, ""}, {Status::Stalled, 2, ""}},
                  PRT_ERR_USB_STALL,
                  "0123456",
                  2,
                  {"clear-halt 0x01"}},
        WriteCase{"Unplugged", {{Status::NoDevice, 0, ""}}, PRT_ERR_USB_GONE, "", 1, {}},
        WriteCase{"OtherFailure", {{Status::Failed, 0, ""}}, PRT_ERR_USB_TRANSFER, "", 1, {}}),
    CaseName());

TEST_F(FakeUsbTest, WriteAfterAStallGoesThrough)
{
    openPrinter();
    script->answers = {{Status::Stalled, 0, ""}};
    ASSERT_EQ(write("first"), PRT_ERR_USB_STALL);
    EXPECT_EQ(write("second"), PRT_OK);
    EXPECT_EQ(script->received, "second");
}

TEST_F(FakeUsbTest, NothingMovesOnAClosedPort)
{
    EXPECT_EQ(write("ping"), PRT_ERR_NOT_OPEN);
    EXPECT_EQ(read(16, PRT_ERR_NOT_OPEN), "");
    EXPECT_TRUE(script->transfers.empty());
}

// --- Reading --------------------------------------------------------------

struct ReadCase {
    const char *name;
    Answer answer;
    int32_t status;
    std::string got;
    // What the read after it brings, when the printer says nothing more.
    std::string next;
    Calls calls;
};

using Reading = FakeUsbTable<ReadCase>;

TEST_P(Reading, ToldByItsOwnCodeAndNoByteLost)
{
    openPrinter();
    script->answers = {GetParam().answer};
    EXPECT_EQ(read(16, GetParam().status), GetParam().got);
    EXPECT_EQ(read(16), GetParam().next);
    EXPECT_EQ(script->calls, GetParam().calls);
}

INSTANTIATE_TEST_SUITE_P(
    Printers, Reading,
    ::testing::Values(
        ReadCase{"Reply", {Status::Ok, 0, "203"}, PRT_OK, "203", "", {}},
        ReadCase{"Silence", {Status::TimedOut, 0, ""}, PRT_OK, "", "", {}},
        ReadCase{"PartBeforeTheTimeOut", {Status::TimedOut, 0, "20"}, PRT_OK, "20", "", {}},
        ReadCase{
            "Stalled", {Status::Stalled, 0, ""}, PRT_ERR_USB_STALL, "", "", {"clear-halt 0x82"}},
        ReadCase{"Unplugged", {Status::NoDevice, 0, ""}, PRT_ERR_USB_GONE, "", "", {}},
        ReadCase{"BytesBeforeAFailureKept",
                 {Status::Failed, 0, "20"},
                 PRT_ERR_USB_TRANSFER,
                 "",
                 "20",
                 {}}),
    CaseName());

TEST_F(FakeUsbTest, ReplyLargerThanTheBufferComesOverTwoReads)
{
    openPrinter();
    script->answers = {{Status::Ok, 0, "ABCDEFGHIJ"}};
    EXPECT_EQ(read(4), "ABCD");
    EXPECT_EQ(read(16), "EFGHIJ");
    ASSERT_EQ(script->transfers.size(), 1u);
    // A bulk read offers room for whole packets, however little the caller can take.
    EXPECT_GE(script->transfers[0].length, 512);
    EXPECT_EQ(read(16), "");
    EXPECT_EQ(script->transfers.size(), 2u);
}

TEST_F(FakeUsbTest, ClosingDropsWhatWasNotYetRead)
{
    openPrinter();
    script->answers = {{Status::Ok, 0, "ABCDEFGH"}, {Status::Ok, 0, "XY"}};
    EXPECT_EQ(read(4), "ABCD");
    transport->close();
    ASSERT_EQ(transport->open(), PRT_OK);
    EXPECT_EQ(read(16), "XY");
}

struct BoundCase {
    const char *name;
    int timeoutMs;
    // What the read passes on; a write passes on at most that.
    unsigned transferMs;
};

using TransferBound = FakeUsbTable<BoundCase>;

TEST_P(TransferBound, NeverWaitsForEver)
{
    openPrinter();
    read(16, PRT_OK, GetParam().timeoutMs);
    EXPECT_EQ(write("ping", GetParam().timeoutMs), PRT_OK);
    ASSERT_EQ(script->transfers.size(), 2u);
    EXPECT_EQ(script->transfers[0].timeoutMs, GetParam().transferMs);
    EXPECT_GE(script->transfers[1].timeoutMs, 1u);
    EXPECT_LE(script->transfers[1].timeoutMs, GetParam().transferMs);
}

INSTANTIATE_TEST_SUITE_P(Bounds, TransferBound,
                         ::testing::Values(BoundCase{"Zero", 0, 1}, BoundCase{"Negative", -5, 1},
                                           BoundCase{"OneMillisecond", 1, 1},
                                           BoundCase{"ReadBound", PRT_READ_TIMEOUT_MS,
                                                     PRT_READ_TIMEOUT_MS}),
                         CaseName());

// --- Falling back to the kernel's printer device --------------------------

enum class KernelDevice { None, Working, Broken, Denied };

struct FallbackCase {
    const char *name;
    std::vector<ScriptedDevice> usb;
    KernelDevice kernel;
    int32_t status;
    bool throughKernelDevice;
};

using UsbPortFallback = FakeUsbTable<FallbackCase>;

TEST_P(UsbPortFallback, UsesTheKernelDeviceWhenLibusbCannot)
{
    if (GetParam().kernel == KernelDevice::Denied && ::geteuid() == 0)
        GTEST_SKIP() << "permissions do not apply to root";
    script->devices = GetParam().usb;
    PrinterTerminal printer;
    TempFolder folder;
    const fs::path lp0 = folder.path() / "lp0";
    switch (GetParam().kernel) {
    case KernelDevice::None:
        break;
    case KernelDevice::Working:
        fs::create_symlink(printer.path(), lp0);
        break;
    case KernelDevice::Broken:
        fs::create_directory(lp0);
        break;
    case KernelDevice::Denied:
        std::ofstream(lp0).put('x');
        fs::permissions(lp0, fs::perms::none);
        break;
    }
    UsbPortTransport port(folder.path().string(), [this] { return makeTransport(); });

    ASSERT_EQ(port.open(), GetParam().status);
    if (GetParam().status != PRT_OK) {
        EXPECT_EQ(port.write(reinterpret_cast<const uint8_t *>("x"), 1, kBound), PRT_ERR_NOT_OPEN);
    } else if (GetParam().throughKernelDevice) {
        EXPECT_EQ(printer.roundTrip(port), "203");
        EXPECT_TRUE(script->transfers.empty());
    } else {
        EXPECT_EQ(port.write(reinterpret_cast<const uint8_t *>("x"), 1, kBound), PRT_OK);
        EXPECT_EQ(script->received, "x");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ports, UsbPortFallback,
    ::testing::Values(
        FallbackCase{"LibusbFirst", {printer()}, KernelDevice::Working, PRT_OK, false},
        FallbackCase{"LibusbDenied",
                     {refusingOpen(Status::AccessDenied)},
                     KernelDevice::Working,
                     PRT_OK,
                     true},
        FallbackCase{
            "LibusbBusy", {refusingClaim(Status::Busy)}, KernelDevice::Working, PRT_OK, true},
        FallbackCase{"LibusbFindsNothing", {}, KernelDevice::Working, PRT_OK, true},
        FallbackCase{"DeniedWithoutADevice",
                     {refusingOpen(Status::AccessDenied)},
                     KernelDevice::None,
                     PRT_ERR_USB_ACCESS,
                     false},
        FallbackCase{"BothFailLibusbDenied",
                     {refusingOpen(Status::AccessDenied)},
                     KernelDevice::Broken,
                     PRT_ERR_USB_ACCESS,
                     false},
        FallbackCase{"BothFailLibusbBusy",
                     {refusingClaim(Status::Busy)},
                     KernelDevice::Broken,
                     PRT_ERR_USB_CLAIM,
                     false},
        FallbackCase{"BothFailLibusbBusyDeviceDenied",
                     {refusingClaim(Status::Busy)},
                     KernelDevice::Denied,
                     PRT_ERR_USB_CLAIM,
                     false},
        FallbackCase{
            "NothingForLibusbDeviceDenied", {}, KernelDevice::Denied, PRT_ERR_USB_ACCESS, false},
        FallbackCase{"NothingAnywhere", {}, KernelDevice::None, PRT_ERR_USB_NOT_FOUND, false}),
    CaseName());

} // namespace
