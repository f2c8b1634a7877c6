#include "HostFrames.h"
#include "HostSession.h"
#include "VirtualPrinter.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace
{

using virtualprinter::AckFault;
using virtualprinter::FileKind;
using virtualprinter::VirtualPrinter;
using F = HostFrames;

// Every byte value, so a file that comes out different is noticed.
std::string fileOfSize(std::size_t size)
{
    std::string data(size, '\0');
    for (std::size_t at = 0; at < size; ++at)
        data[at] = static_cast<char>((at * 7 + at / 256) & 0xff);
    return data;
}

class DownloadTest : public testing::Test
{
protected:
    std::string announce(std::string_view kind, std::string_view name)
    {
        return printer.receive(F::doCommand({"download", kind, name}));
    }

    VirtualPrinter printer;
    HostSession host{printer};
};

class DownloadSizeTest : public DownloadTest, public testing::WithParamInterface<std::size_t>
{
};

TEST_P(DownloadSizeTest, FileIsStoredWholeAfterTheShortPacket)
{
    const std::string data = fileOfSize(GetParam());
    ASSERT_EQ(host.download("labels", "form.zpl.prn", data), "");
    const auto &stored = printer.storedFiles(FileKind::Labels);
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored.front().name, "form.zpl.prn");
    EXPECT_TRUE(stored.front().data == data);
    EXPECT_EQ(host.get("labels"), "form.zpl.prn");
    EXPECT_EQ(host.get("use_capacity"), std::to_string(data.size()));
}

// A multiple of 1024 ends with a packet of no data at all.
INSTANTIATE_TEST_SUITE_P(Sizes, DownloadSizeTest,
                         testing::Values(0, 1, 476, 1023, 1024, 2048, 2500));

TEST_F(DownloadTest, NothingIsStoredBeforeTheLastPacket)
{
    ASSERT_EQ(announce("bitmaps", "logo.bmp"), "OK");
    EXPECT_EQ(printer.receive(F::packet(0, fileOfSize(1024))), F::acknowledgement(0, 0));
    EXPECT_TRUE(printer.storedFiles(FileKind::Bitmaps).empty());
    EXPECT_EQ(printer.receive(F::packet(1, "end")), F::acknowledgement(1, 0));
    EXPECT_EQ(printer.storedFiles(FileKind::Bitmaps).size(), 1u);
}

struct BadPacket {
    std::string name;
    std::function<std::string()> packet;
    std::uint16_t status;
};

void PrintTo(const BadPacket &row, std::ostream *out)
{
    *out << row.name;
}

std::string withByte(std::string packet, std::size_t offset, char value)
{
    packet[offset] = value;
    return packet;
}

const std::vector<BadPacket> BadPackets{
    {"wrong checksum", [] { return withByte(F::packet(0, "data"), 1034, 0); }, 4},
    {"data changed after the sum was taken", [] { return withByte(F::packet(0, "data"), 10, 'D'); },
     4},
    {"index skipped", [] { return F::packet(1, "data"); }, 2},
    {"data length above 1024", [] { return withByte(F::packet(0, "data"), 9, 0x04); }, 3},
    {"marker damaged", [] { return withByte(F::packet(0, "data"), 1, 0); }, 1},
};

class BadPacketTest : public DownloadTest, public testing::WithParamInterface<BadPacket>
{
};

TEST_P(BadPacketTest, IsRefusedWithAStatusAndEndsTheTransfer)
{
    ASSERT_EQ(announce("bitmaps", "logo.bmp"), "OK");
    const std::string packet = GetParam().packet();
    const std::string ack = printer.receive(packet);
    ASSERT_EQ(ack.size(), 12u);
    EXPECT_EQ(ack.substr(0, 8), packet.substr(0, 8));
    EXPECT_EQ(F::hex(ack.substr(8, 2)),
              F::hex(std::string{static_cast<char>(GetParam().status), 0}));
    EXPECT_EQ(F::byteSum16(ack.substr(0, 10)),
              static_cast<unsigned char>(ack[10]) | static_cast<unsigned char>(ack[11]) << 8);
    EXPECT_TRUE(printer.storedFiles(FileKind::Bitmaps).empty());
    // The transfer is over: the printer is back to commands.
    EXPECT_EQ(host.get("dpi"), "203");
}

INSTANTIATE_TEST_SUITE_P(Packets, BadPacketTest, testing::ValuesIn(BadPackets));

TEST_F(DownloadTest, CapacityFollowsWhatIsStored)
{
    printer.setStorageCapacity(10000);
    ASSERT_EQ(host.download("bitmaps", "a.bmp", fileOfSize(3000)), "");
    ASSERT_EQ(host.download("autoform", "auto.prn", fileOfSize(1500)), "");
    EXPECT_EQ(host.get("use_capacity"), "4500");
    EXPECT_EQ(host.get("remain_capacity"), "5500");
    // Storing under the same name replaces the file and its room.
    ASSERT_EQ(host.download("bitmaps", "a.bmp", fileOfSize(1000)), "");
    EXPECT_EQ(host.get("use_capacity"), "2500");
    EXPECT_EQ(host.get("bitmaps"), "a.bmp");
    printer.receive(F::doCommand({"delete", "bitmaps", "a.bmp"}));
    EXPECT_EQ(host.get("use_capacity"), "1500");
    EXPECT_EQ(host.get("remain_capacity"), "8500");
}

TEST_F(DownloadTest, FileLargerThanTheRoomLeftIsRefusedAtTheFirstPacketPastIt)
{
    printer.setStorageCapacity(1500);
    ASSERT_EQ(announce("bitmaps", "big.bmp"), "OK");
    EXPECT_EQ(printer.receive(F::packet(0, fileOfSize(1024))), F::acknowledgement(0, 0));
    EXPECT_EQ(printer.receive(F::packet(1, fileOfSize(600))), F::acknowledgement(1, 5));
    EXPECT_TRUE(printer.storedFiles(FileKind::Bitmaps).empty());
    EXPECT_EQ(host.get("use_capacity"), "0");
}

TEST_F(DownloadTest, FullStorageFaultReportsNoRoomAndRefusesData)
{
    printer.setFaults({.storageFull = true});
    EXPECT_EQ(host.get("remain_capacity"), "0");
    ASSERT_EQ(announce("fonts", "R_A.TTF"), "OK");
    EXPECT_EQ(printer.receive(F::packet(0, "font")), F::acknowledgement(0, 5));
    EXPECT_TRUE(printer.storedFiles(FileKind::Fonts).empty());
}

TEST_F(DownloadTest, RefusedDownloadFaultAnswersErAndTakesNoPackets)
{
    printer.setFaults({.refuseDownload = true});
    EXPECT_EQ(announce("bitmaps", "logo.bmp"), "ER");
    EXPECT_EQ(printer.receive(F::packet(0, "data")), "");
    EXPECT_TRUE(printer.storedFiles(FileKind::Bitmaps).empty());
}

struct AckFaultRow {
    std::string name;
    AckFault fault;
    std::function<std::string(std::string)> spoil;
    bool stored;
};

void PrintTo(const AckFaultRow &row, std::ostream *out)
{
    *out << row.name;
}

std::string resummed(std::string ack)
{
    const std::uint16_t sum = F::byteSum16(ack.substr(0, 10));
    ack[10] = static_cast<char>(sum & 0xff);
    ack[11] = static_cast<char>(sum >> 8);
    return ack;
}

const std::vector<AckFaultRow> AckFaults{
    {"status", AckFault::Status, [](std::string ack) { return resummed(withByte(ack, 8, 6)); },
     false},
    {"echo", AckFault::Echo,
     [](std::string ack) { return resummed(withByte(ack, 4, static_cast<char>(ack[4] ^ 0xff))); },
     true},
    {"checksum", AckFault::Checksum,
     [](std::string ack) { return withByte(ack, 10, static_cast<char>(ack[10] ^ 0xff)); }, true},
};

class AckFaultTest : public DownloadTest, public testing::WithParamInterface<AckFaultRow>
{
};

TEST_P(AckFaultTest, SpoilsOnlyTheChosenPacket)
{
    printer.setFaults({.ackFault = GetParam().fault, .ackFaultPacket = 1});
    const std::string data = fileOfSize(2100);
    ASSERT_EQ(announce("labels", "l.prn"), "OK");
    EXPECT_EQ(printer.receive(F::packet(0, data.substr(0, 1024))), F::acknowledgement(0, 0));
    EXPECT_EQ(F::hex(printer.receive(F::packet(1, data.substr(1024, 1024)))),
              F::hex(GetParam().spoil(F::acknowledgement(1, 0))));
    if (GetParam().stored) {
        EXPECT_EQ(printer.receive(F::packet(2, data.substr(2048))), F::acknowledgement(2, 0));
        EXPECT_EQ(host.get("labels"), "l.prn");
    } else {
        EXPECT_EQ(host.get("labels"), std::string(1, '\0'));
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, AckFaultTest, testing::ValuesIn(AckFaults));

TEST_F(DownloadTest, DisconnectAbandonsTheTransfer)
{
    ASSERT_EQ(announce("bitmaps", "logo.bmp"), "OK");
    printer.receive(F::packet(0, fileOfSize(1024)));
    printer.disconnect();
    EXPECT_EQ(printer.receive(F::packet(1, "rest")), "");
    EXPECT_TRUE(printer.storedFiles(FileKind::Bitmaps).empty());
    EXPECT_EQ(host.get("dpi"), "203");
}

TEST_F(DownloadTest, CommandInsteadOfAPacketAbandonsTheTransferAndIsAnswered)
{
    ASSERT_EQ(announce("bitmaps", "logo.bmp"), "OK");
    EXPECT_EQ(host.get("dpi"), "203");
    EXPECT_TRUE(printer.storedFiles(FileKind::Bitmaps).empty());
}

TEST_F(DownloadTest, FilesOfEachKindAreListedApartInArrivalOrder)
{
    ASSERT_EQ(host.download("bitmaps", "logo.bmp", "1"), "");
    ASSERT_EQ(host.download("bitmaps", "flag.bmp", "2"), "");
    ASSERT_EQ(host.download("labels", "l.zpl.prn", "3"), "");
    ASSERT_EQ(host.download("autoform", "form.zpl.prn", "4"), "");
    EXPECT_EQ(host.get("bitmaps"), "logo.bmp,flag.bmp");
    EXPECT_EQ(host.get("labels"), "l.zpl.prn");
    EXPECT_EQ(host.get("autoform"), "form.zpl.prn");
    EXPECT_EQ(host.get("fonts"), std::string(1, '\0'));
}

TEST_F(DownloadTest, PrintOfAStoredFileIsCounted)
{
    ASSERT_EQ(host.download("bitmaps", "logo.bmp", "1"), "");
    EXPECT_EQ(printer.receive(F::doCommand({"print", "bitmaps", "logo.bmp"})), "");
    EXPECT_EQ(printer.functionCount("print"), 1u);
}

} // namespace
