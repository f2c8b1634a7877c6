// A host that follows the download protocol byte for byte, through the real
// link and printer library, against the virtual printer served over TCP; and
// the printer's faults as the link sees them.
#include "CommandProtocol.h"
#include "HostFrames.h"
#include "PrinterName.h"
#include "RecordingMessages.h"
#include "RecordingSleeper.h"
#include "SdkPrinterApi.h"
#include "ServedPrinter.h"
#include "prtsdk.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace
{

QByteArray bytes(const std::string &text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

class TransferEndToEnd : public ::testing::Test
{
protected:
    void connect(prtsim::ServerOptions options = {})
    {
        served.emplace(options);
        ASSERT_TRUE(served->opened());
        link.SelectPort(served->descriptor());
        ASSERT_EQ(link.CreatePrinter(), 0);
        ASSERT_TRUE(link.HoldPort());
    }

    // The download command and its two-byte answer.
    QByteArray announce(const char *kind, const QString &name)
    {
        protocol.DoCmdArgs(PrinterName::download, kind, name);
        link.PortPause("DL");
        QByteArray answer;
        link.ReadWithRetry(answer, 2, 2, 100);
        return answer;
    }

    // One packet and its twelve-byte acknowledgement.
    QByteArray sendPacket(uint32_t index, const std::string &data)
    {
        EXPECT_EQ(link.LinkWrite(bytes(HostFrames::packet(index, data))), 0);
        link.PortPause("DL");
        QByteArray ack;
        link.ReadWithRetry(ack, 12, 5, 150);
        return ack;
    }

    QString query(const char *name) { return protocol.GetValLong(name); }

    std::optional<ServedPrinter> served;
    SdkPrinterApi api;
    RecordingSleeper sleeper;
    RecordingMessages messages;
    PrinterLink link{api, sleeper, messages};
    CommandProtocol protocol{link};
};

TEST_F(TransferEndToEnd, HundredKibFileIsStoredListedAndCounted)
{
    connect();
    const qulonglong usedBefore = query(PrinterName::use_capacity).toULongLong();
    const qulonglong remainBefore = query(PrinterName::remain_capacity).toULongLong();

    std::string file(100 * 1024, '\0');
    for (size_t i = 0; i < file.size(); ++i)
        file[i] = static_cast<char>(i * 7 + 3);
    ASSERT_EQ(announce(PrinterName::bitmaps, "logo.bmp"), "OK");
    // A size that is a multiple of 1024 ends with an empty packet.
    const uint32_t packets = static_cast<uint32_t>(file.size() / 1024 + 1);
    for (uint32_t index = 0; index < packets; ++index) {
        const QByteArray ack = sendPacket(index, file.substr(index * 1024u, 1024));
        ASSERT_EQ(ack, bytes(HostFrames::acknowledgement(index, 0))) << "packet " << index;
    }

    EXPECT_TRUE(query(PrinterName::bitmaps).split(',').contains("logo.bmp"));
    EXPECT_EQ(query(PrinterName::use_capacity).toULongLong(), usedBefore + file.size());
    EXPECT_EQ(query(PrinterName::remain_capacity).toULongLong(), remainBefore - file.size());
    link.ReleasePort();
}

TEST_F(TransferEndToEnd, RefusedDownloadAnswersSomethingOtherThanOk)
{
    connect();
    virtualprinter::FaultOptions faults;
    faults.refuseDownload = true;
    served->printer.setFaults(faults);
    const QByteArray answer = announce(PrinterName::labels, "form.lab");
    EXPECT_EQ(answer.size(), 2);
    EXPECT_NE(answer, "OK");
}

struct AckFaultCase {
    const char *name;
    virtualprinter::AckFault fault;
    // Which part of the acknowledgement gives the fault away.
    bool echoDiffers;
    bool statusNonZero;
    bool sumDiffers;
};

class AckFaults : public TransferEndToEnd, public ::testing::WithParamInterface<AckFaultCase>
{
};

TEST_P(AckFaults, ReachTheHostAsTheBytesItChecks)
{
    connect();
    virtualprinter::FaultOptions faults;
    faults.ackFault = GetParam().fault;
    faults.ackFaultPacket = 0;
    served->printer.setFaults(faults);
    ASSERT_EQ(announce(PrinterName::bitmaps, "a.bmp"), "OK");
    const QByteArray ack = sendPacket(0, std::string(10, 'x'));
    ASSERT_EQ(ack.size(), 12);
    const std::string sent = HostFrames::packet(0, std::string(10, 'x'));
    const uint16_t sum = HostFrames::byteSum16(std::string_view(ack.constData(), 10));
    EXPECT_EQ(ack.left(8) != bytes(sent.substr(0, 8)), GetParam().echoDiffers);
    EXPECT_EQ(ack[8] != 0 || ack[9] != 0, GetParam().statusNonZero);
    EXPECT_EQ(static_cast<uint8_t>(ack[10]) != (sum & 0xFF) ||
                  static_cast<uint8_t>(ack[11]) != (sum >> 8),
              GetParam().sumDiffers);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, AckFaults,
    ::testing::Values(AckFaultCase{"Status", virtualprinter::AckFault::Status, false, true, false},
                      AckFaultCase{"Echo", virtualprinter::AckFault::Echo, true, false, false},
                      AckFaultCase{"Checksum", virtualprinter::AckFault::Checksum, false, false,
                                   true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(TransferEndToEnd, FullStorageRefusesTheFirstPacket)
{
    connect();
    virtualprinter::FaultOptions faults;
    faults.storageFull = true;
    served->printer.setFaults(faults);
    EXPECT_EQ(query(PrinterName::remain_capacity), "0");
    ASSERT_EQ(announce(PrinterName::bitmaps, "big.bmp"), "OK");
    const QByteArray ack = sendPacket(0, std::string(100, 'f'));
    ASSERT_EQ(ack.size(), 12);
    EXPECT_TRUE(ack[8] != 0 || ack[9] != 0);
    EXPECT_FALSE(query(PrinterName::bitmaps).contains("big.bmp"));
}

TEST_F(TransferEndToEnd, SilentPrinterLeavesAnEmptyReplyAndNoError)
{
    connect();
    virtualprinter::FaultOptions faults;
    faults.noReply = true;
    served->printer.setFaults(faults);
    const QString reply = protocol.GetVal(PrinterName::dpi);
    EXPECT_FALSE(protocol.ReplyPresent(reply));
    EXPECT_EQ(link.LastResult(), PRT_OK);
}

TEST_F(TransferEndToEnd, DelayedRepliesStillArriveWithinTheReadBound)
{
    prtsim::ServerOptions options;
    options.delay = std::chrono::milliseconds(100);
    connect(options);
    EXPECT_EQ(protocol.GetVal(PrinterName::dpi), "203");
}

TEST_F(TransferEndToEnd, DroppedConnectionIsReportedAsLost)
{
    prtsim::ServerOptions options;
    options.dropAfter = 30;
    connect(options);
    EXPECT_EQ(protocol.GetVal(PrinterName::dpi), "203"); // 21 bytes: still connected
    const QString reply = protocol.GetVal(PrinterName::speed);
    EXPECT_FALSE(protocol.ReplyPresent(reply));
    EXPECT_EQ(link.LastResult(), PRT_ERR_CONNECTION_LOST);
}

} // namespace
