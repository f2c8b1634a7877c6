#include "PortMap.h"
#include "PrinterTerminal.h"
#include "SerialTransport.h"
#include "TempFolder.h"
#include "TransportFactory.h"
#include "UsbPortTransport.h"
#include "prtsdk.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

using prtsdk::PortMap;
using prtsdk::SerialSettings;
using prtsdk::TransportFactory;
using prtsdk::UsbPortTransport;

namespace
{

// Sets an environment variable for the life of the object.
class ScopedEnv
{
public:
    ScopedEnv(const char *name, const std::string &value) : m_name(name)
    {
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() { ::unsetenv(m_name); }

private:
    const char *m_name;
};

} // namespace

TEST(PortMap, EnvironmentBeatsTheFileWhichBeatsTheDefault)
{
    TempFolder data;
    ScopedEnv xdg("XDG_DATA_HOME", data.path().string());
    fs::create_directories(data.path() / "prtsdk");
    std::ofstream(data.path() / "prtsdk" / "ports.conf")
        << "# adapters\nCOM3 = /dev/ttyUSB0\nLPT2=/dev/usb/lp1\nCOM30=/dev/wrong\n";

    EXPECT_EQ(PortMap::mapFile(), (data.path() / "prtsdk" / "ports.conf").string());
    EXPECT_EQ(PortMap::device("COM", 1), "/dev/ttyS0");
    EXPECT_EQ(PortMap::device("COM", 3), "/dev/ttyUSB0");
    EXPECT_EQ(PortMap::device("LPT", 2), "/dev/usb/lp1");
    EXPECT_EQ(PortMap::device("LPT", 4), "/dev/lp3");
    ScopedEnv com3("PRT_COM3", "/dev/pts/9");
    EXPECT_EQ(PortMap::device("COM", 3), "/dev/pts/9");
}

TEST(SerialTransport, TalksThroughItsMappedDevice)
{
    PrinterTerminal printer;
    ScopedEnv map("PRT_COM5", printer.path());
    auto [status, transport] = TransportFactory::create("COM5,9600,e,7,2,n");
    ASSERT_EQ(status, PRT_OK);
    ASSERT_EQ(transport->open(), PRT_OK);
    termios tio{};
    const int probe = ::open(printer.path().c_str(), O_RDWR | O_NOCTTY);
    ::tcgetattr(probe, &tio);
    ::close(probe);
    EXPECT_EQ(::cfgetospeed(&tio), B9600);
    EXPECT_EQ(printer.roundTrip(*transport), "203");
}

struct FramingCase {
    SerialSettings settings;
    speed_t speed;
    tcflag_t set;     // flags that must be on
    tcflag_t cleared; // flags that must be off
};

class SerialFraming : public ::testing::TestWithParam<FramingCase>
{
};

// A pseudo-terminal keeps no framing, so the settings are checked as built.
TEST_P(SerialFraming, FollowsEveryFieldOfTheDescriptor)
{
    termios tio{};
    tio.c_cflag = CS5 | PARENB | PARODD | CSTOPB | CRTSCTS;
    prtsdk::SerialTransport::applySettings(tio, GetParam().settings);
    EXPECT_EQ(::cfgetospeed(&tio), GetParam().speed);
    EXPECT_EQ(::cfgetispeed(&tio), GetParam().speed);
    EXPECT_EQ(tio.c_cflag & GetParam().set, GetParam().set);
    EXPECT_EQ(tio.c_cflag & GetParam().cleared, 0u);
    EXPECT_EQ(tio.c_lflag & (ICANON | ECHO), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Descriptors, SerialFraming,
    ::testing::Values(
        FramingCase{{1, 115200, 'n', 8, 1, false},
                    B115200,
                    CS8 | CREAD | CLOCAL,
                    PARENB | CSTOPB | CRTSCTS},
        FramingCase{{1, 9600, 'e', 7, 2, false}, B9600, CS7 | PARENB | CSTOPB, PARODD | CRTSCTS},
        FramingCase{{1, 1200, 'o', 8, 1, true}, B1200, CS8 | PARENB | PARODD | CRTSCTS, CSTOPB},
        FramingCase{{1, 57600, 'n', 8, 2, true}, B57600, CS8 | CSTOPB | CRTSCTS, PARENB}));

TEST(SerialTransport, SecondUserOfThePortIsTurnedAway)
{
    PrinterTerminal printer;
    ScopedEnv map("PRT_COM5", printer.path());
    auto first = TransportFactory::create("COM5,115200,n,8,1,c");
    auto second = TransportFactory::create("COM5,115200,n,8,1,c");
    ASSERT_EQ(first.transport->open(), PRT_OK);
    EXPECT_EQ(second.transport->open(), PRT_ERR_PORT_BUSY);
    first.transport->close();
    EXPECT_EQ(second.transport->open(), PRT_OK);
}

struct MissingCase {
    const char *descriptor;
    int32_t status;
};

class MissingDevice : public ::testing::TestWithParam<MissingCase>
{
};

TEST_P(MissingDevice, IsReportedByPortKind)
{
    ScopedEnv com("PRT_COM2", "/nonexistent/tty");
    ScopedEnv lpt("PRT_LPT3", "/nonexistent/lp");
    auto [status, transport] = TransportFactory::create(GetParam().descriptor);
    ASSERT_EQ(status, PRT_OK);
    EXPECT_EQ(transport->open(), GetParam().status);
}

INSTANTIATE_TEST_SUITE_P(Ports, MissingDevice,
                         ::testing::Values(MissingCase{"COM2,9600,n,8,1,n",
                                                       PRT_ERR_SERIAL_NOT_FOUND},
                                           MissingCase{"LPT3", PRT_ERR_LPT_NOT_FOUND}));

TEST(ParallelTransport, WritesAndReadsBackThroughItsDevice)
{
    PrinterTerminal printer;
    ScopedEnv map("PRT_LPT1", printer.path());
    auto [status, transport] = TransportFactory::create("LPT1");
    ASSERT_EQ(status, PRT_OK);
    ASSERT_EQ(transport->open(), PRT_OK);
    EXPECT_EQ(printer.roundTrip(*transport), "203");
}

TEST(ParallelTransport, DeniedDeviceHasItsOwnCode)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not apply to root";
    TempFolder folder;
    const fs::path device = folder.path() / "lp";
    std::ofstream(device).put('x');
    fs::permissions(device, fs::perms::none);
    ScopedEnv map("PRT_LPT2", device.string());
    auto [status, transport] = TransportFactory::create("LPT2");
    EXPECT_EQ(transport->open(), PRT_ERR_LPT_ACCESS);
}

struct LpCase {
    std::vector<const char *> present;
    const char *first; // relative to the folder, empty for none
};

class FirstUsbPrinterDevice : public ::testing::TestWithParam<LpCase>
{
};

TEST_P(FirstUsbPrinterDevice, IsTheLowestNumber)
{
    TempFolder folder;
    for (const char *name : GetParam().present)
        std::ofstream(folder.path() / name).put('x');
    const std::string expected =
        *GetParam().first ? (folder.path() / GetParam().first).string() : std::string();
    EXPECT_EQ(UsbPortTransport::firstPrinterDevice(folder.path().string()), expected);
}

INSTANTIATE_TEST_SUITE_P(Folders, FirstUsbPrinterDevice,
                         ::testing::Values(LpCase{{}, ""}, LpCase{{"hiddev0"}, ""},
                                           LpCase{{"lp1"}, "lp1"}, LpCase{{"lp3", "lp0"}, "lp0"},
                                           LpCase{{"lp15"}, "lp15"}));

TEST(UsbPortTransport, FallsBackToTheKernelPrinterDevice)
{
    PrinterTerminal printer;
    TempFolder folder;
    fs::create_symlink(printer.path(), folder.path() / "lp0");
    UsbPortTransport transport(folder.path().string());
    ASSERT_EQ(transport.open(), PRT_OK);
    EXPECT_EQ(printer.roundTrip(transport), "203");
}

TEST(UsbPortTransport, NoPrinterAnywhereIsNotFound)
{
    TempFolder folder;
    UsbPortTransport transport(folder.path().string());
    const int32_t status = transport.open();
    if (status == PRT_OK)
        GTEST_SKIP() << "a USB printer is attached to this machine";
    EXPECT_TRUE(status == PRT_ERR_USB_NOT_FOUND || status == PRT_ERR_USB_ACCESS) << status;
}
