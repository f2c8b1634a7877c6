#include "FirmwareReceiver.h"
#include "HostFrames.h"
#include "VirtualPrinter.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace
{

using virtualprinter::FirmwareReceiver;
using virtualprinter::VirtualPrinter;
using F = HostFrames;

std::string startCommand(const std::string &name, std::size_t size)
{
    return F::doCommand({"update_firmware"}) + name + "," + std::to_string(size) + ",";
}

std::string image(std::size_t size)
{
    std::string data(size, '\0');
    for (std::size_t at = 0; at < size; ++at)
        data[at] = static_cast<char>(at % 251);
    return data;
}

class FirmwareTest : public testing::Test
{
protected:
    // Sends the image in the host's 8192-byte pieces; answers collected.
    std::string sendImage(const std::string &data)
    {
        std::string replies;
        for (std::size_t at = 0; at < data.size(); at += 8192)
            replies += printer.receive(data.substr(at, 8192));
        return replies;
    }

    std::string version() { return printer.receive(F::getval("version")); }

    VirtualPrinter printer;
};

TEST_F(FirmwareTest, ImageIsTakenAndTheVersionComesFromItsName)
{
    const std::string data = image(20000);
    EXPECT_EQ(printer.receive(startCommand("PM44PF_V10.02.05.bin", data.size())), "OK");
    EXPECT_EQ(sendImage(data), "");
    EXPECT_FALSE(printer.installedFirmware());
    EXPECT_EQ(printer.receive("^END"), "");
    EXPECT_EQ(version(), "V10.02.05");
    ASSERT_TRUE(printer.installedFirmware());
    EXPECT_EQ(printer.installedFirmware()->name, "PM44PF_V10.02.05.bin");
    EXPECT_TRUE(printer.installedFirmware()->data == data);
}

TEST_F(FirmwareTest, EmptyImageNeedsOnlyTheEndMarker)
{
    EXPECT_EQ(printer.receive(startCommand("PM44PF_V10.02.09.bin", 0)), "OK");
    EXPECT_EQ(printer.receive("^END"), "");
    EXPECT_EQ(version(), "V10.02.09");
}

TEST_F(FirmwareTest, HeaderArrivingByteByByteIsAnsweredOnce)
{
    const std::string start = startCommand("PM44_V10.01.08.bin", 3);
    std::string replies;
    for (const char byte : start)
        replies += printer.receive(std::string(1, byte));
    EXPECT_EQ(replies, "OK");
    printer.receive("abc^END");
    EXPECT_EQ(version(), "V10.01.08");
}

TEST_F(FirmwareTest, NameMayHoldCommas)
{
    EXPECT_EQ(printer.receive(startCommand("fw,V10.02.07.bin", 2)), "OK");
    printer.receive("xy^END");
    EXPECT_EQ(printer.installedFirmware()->name, "fw,V10.02.07.bin");
}

TEST_F(FirmwareTest, RefusalFaultAnswersEr)
{
    printer.setFaults({.refuseFirmware = true});
    EXPECT_EQ(printer.receive(startCommand("PM44PF_V10.02.05.bin", 4)), "ER");
    EXPECT_EQ(version(), "V10.02.01");
}

TEST_F(FirmwareTest, ImageLargerThanTheFlashIsRefused)
{
    EXPECT_EQ(printer.receive(startCommand("PM44PF_V10.02.05.bin", 40 * 1024 * 1024)), "ER");
    EXPECT_EQ(version(), "V10.02.01");
}

TEST_F(FirmwareTest, HeaderThatNeverEndsIsRefused)
{
    const std::string rambling(FirmwareReceiver::MaxHeaderLength, 'x');
    EXPECT_EQ(printer.receive(F::doCommand({"update_firmware"}) + rambling), "ER");
    EXPECT_EQ(version(), "V10.02.01");
}

TEST_F(FirmwareTest, ImageWithoutEndMarkerIsDroppedAndCommandsGoOn)
{
    EXPECT_EQ(printer.receive(startCommand("PM44PF_V10.02.05.bin", 4)), "OK");
    EXPECT_EQ(printer.receive("abcd^EN" + F::getval("dpi")), "203");
    EXPECT_EQ(version(), "V10.02.01");
    EXPECT_FALSE(printer.installedFirmware());
}

TEST_F(FirmwareTest, DisconnectDuringTheImageDropsIt)
{
    EXPECT_EQ(printer.receive(startCommand("PM44PF_V10.02.05.bin", 10)), "OK");
    printer.receive("abcde");
    printer.disconnect();
    EXPECT_EQ(printer.receive("fghij^END" + F::getval("dpi")), "203");
    EXPECT_EQ(version(), "V10.02.01");
}

TEST_F(FirmwareTest, CommandsAfterTheUpgradeAreAnswered)
{
    printer.receive(startCommand("PM44PF_V10.02.05.bin", 2));
    EXPECT_EQ(printer.receive("ab^END" + F::getval("dpi")), "203");
}

struct NameRow {
    std::string name;
    std::optional<std::string> version;
};

void PrintTo(const NameRow &row, std::ostream *out)
{
    *out << row.name;
}

class VersionInNameTest : public testing::TestWithParam<NameRow>
{
};

TEST_P(VersionInNameTest, FindsTheVersion)
{
    EXPECT_EQ(FirmwareReceiver::versionInName(GetParam().name), GetParam().version);
}

INSTANTIATE_TEST_SUITE_P(Names, VersionInNameTest,
                         testing::Values(NameRow{"PM44PF_V10.02.05.bin", "V10.02.05"},
                                         NameRow{"PM44_V10.01.07.bin", "V10.01.07"},
                                         NameRow{"Vasko_V11.0.1", "V11.0.1"}, NameRow{"V9", "V9"},
                                         NameRow{"firmware.bin", std::nullopt},
                                         NameRow{"PM44_V.bin", std::nullopt}));

} // namespace
