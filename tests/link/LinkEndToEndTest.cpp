#include "CommandProtocol.h"
#include "LoopbackPeer.h"
#include "PrinterName.h"
#include "RecordingMessages.h"
#include "RecordingSleeper.h"
#include "SdkPrinterApi.h"
#include "SimServer.h"
#include "VirtualPrinter.h"
#include "prtsdk.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

namespace
{

// The virtual printer served over TCP loopback from a thread of the test.
class ServedPrinter
{
public:
    explicit ServedPrinter(prtsim::ServerOptions options = {})
    {
        options.listen = "127.0.0.1:0";
        server = std::make_unique<prtsim::SimServer>(printer, options);
        std::string error;
        opened = server->open(error);
        if (opened)
            thread = std::thread([this] { server->run(); });
    }
    ~ServedPrinter()
    {
        if (opened) {
            server->stop();
            thread.join();
        }
    }

    QString descriptor() const
    {
        // "tcp 127.0.0.1:PORT"
        return "NET," + QString::fromStdString(server->endpoints().front()).mid(4);
    }

    virtualprinter::VirtualPrinter printer;
    std::unique_ptr<prtsim::SimServer> server;
    std::thread thread;
    bool opened = false;
};

class LinkEndToEnd : public ::testing::TestWithParam<bool>
{
protected:
    void SetUp() override
    {
        if (GetParam()) {
            served = std::make_unique<ServedPrinter>();
            ASSERT_TRUE(served->opened);
            link.SelectPort(served->descriptor());
        } else {
            link.SelectPort("SIM");
        }
        ASSERT_EQ(link.CreatePrinter(), 0);
    }

    QString get(const char *name)
    {
        EXPECT_TRUE(link.OpenLink());
        const QString reply = protocol.GetVal(name);
        link.CloseLink();
        return reply;
    }

    std::unique_ptr<ServedPrinter> served;
    SdkPrinterApi api;
    RecordingSleeper sleeper;
    RecordingMessages messages;
    PrinterLink link{api, sleeper, messages};
    CommandProtocol protocol{link};
};

TEST_P(LinkEndToEnd, ReadsTheBareValues)
{
    EXPECT_EQ(get(PrinterName::version), "V10.02.01");
    EXPECT_EQ(get(PrinterName::dpi), "203");
    EXPECT_EQ(link.LastReplyLength(), 3);
}

TEST_P(LinkEndToEnd, SetValuesAreReadBack)
{
    ASSERT_TRUE(link.OpenLink());
    EXPECT_EQ(protocol.SetVal(PrinterName::media_sensor, "BLACK_MARK"), 0);
    EXPECT_EQ(protocol.SetValExact(PrinterName::bt_name, "Label-Printer"), 0);
    link.CloseLink();
    EXPECT_EQ(get(PrinterName::media_sensor), "black_mark");
    EXPECT_EQ(get(PrinterName::bt_name), "Label-Printer");
}

TEST_P(LinkEndToEnd, UnknownNameGetsNoAnswer)
{
    EXPECT_FALSE(protocol.ReplyPresent(get("\"no_such_name\"")));
    EXPECT_EQ(get(PrinterName::dpi), "203");
}

TEST_P(LinkEndToEnd, FunctionsRunAndKeysTravelBothWays)
{
    EXPECT_EQ(protocol.DoCmd(PrinterName::configguration_page), 0);
    ASSERT_TRUE(link.OpenLink());
    EXPECT_TRUE(protocol.SetKey(1, 436, 1).ok);
    link.CloseLink();
    QByteArray value;
    const auto key = protocol.GetKey(1, 436, value, true);
    EXPECT_TRUE(key.ok);
    EXPECT_EQ(value, QByteArray("\x01", 1));
    if (served) {
        EXPECT_EQ(served->printer.functionCount("configguration_page"), 1u);
        EXPECT_EQ(served->printer.autoformKey(), 1);
    }
}

TEST_P(LinkEndToEnd, PrinterStateIsFiveBytes)
{
    QByteArray state;
    EXPECT_EQ(protocol.GetValRaw(PrinterName::printer_status, state, 5), 5);
}

INSTANTIATE_TEST_SUITE_P(Ports, LinkEndToEnd, ::testing::Values(false, true),
                         [](const auto &info) { return info.param ? "Tcp" : "Sim"; });

TEST(LinkFailures, RefusedConnectionShowsItsCode)
{
    SdkPrinterApi api;
    RecordingSleeper sleeper;
    RecordingMessages messages;
    PrinterLink link(api, sleeper, messages);
    ASSERT_EQ(link.CreatePrinter(), 0);
    link.SelectPort("NET,127.0.0.1:" + QString::number(LoopbackPeer::unusedPort()));
    EXPECT_FALSE(link.OpenLink());
    EXPECT_EQ(link.LastResult(), PRT_ERR_NET_REFUSED);
    EXPECT_EQ(messages.errors, QStringList{"[_Err_OpenPort]:-101"});
}

TEST(LinkFailures, SilentPrinterGivesNoReplyWithinTheReadBound)
{
    prtsim::ServerOptions options;
    ServedPrinter served(options);
    ASSERT_TRUE(served.opened);
    virtualprinter::FaultOptions faults;
    faults.noReply = true;
    served.printer.setFaults(faults);

    SdkPrinterApi api;
    RecordingSleeper sleeper;
    RecordingMessages messages;
    PrinterLink link(api, sleeper, messages);
    CommandProtocol protocol(link);
    ASSERT_EQ(link.CreatePrinter(), 0);
    link.SelectPort(served.descriptor());
    ASSERT_TRUE(link.OpenLink());
    const auto start = std::chrono::steady_clock::now();
    const QString reply = protocol.GetVal(PrinterName::dpi);
    const auto spent = std::chrono::steady_clock::now() - start;
    link.CloseLink();
    EXPECT_FALSE(protocol.ReplyPresent(reply));
    EXPECT_EQ(link.LastResult(), PRT_OK);
    EXPECT_LT(spent, std::chrono::milliseconds(PRT_REPLY_TIMEOUT_MS + 1000));
}

} // namespace
