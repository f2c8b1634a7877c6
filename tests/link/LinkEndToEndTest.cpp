#include "CommandProtocol.h"
#include "LoopbackPeer.h"
#include "PrinterName.h"
#include "RecordingMessages.h"
#include "RecordingSleeper.h"
#include "SdkPrinterApi.h"
#include "ServedPrinter.h"
#include "prtsdk.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

namespace
{

enum class Port { Sim, Tcp, Serial };

class LinkEndToEnd : public ::testing::TestWithParam<Port>
{
protected:
    void SetUp() override
    {
        if (GetParam() == Port::Sim) {
            link.SelectPort("SIM");
        } else {
            served = std::make_unique<ServedPrinter>();
            ASSERT_TRUE(served->opened());
            link.SelectPort(GetParam() == Port::Tcp ? served->descriptor()
                                                    : served->serialDescriptor());
        }
        ASSERT_EQ(link.CreatePrinter(), 0);
    }

    QString get(const char *name)
    {
        EXPECT_TRUE(link.OpenLink()) << messages.errors.join(" ").toStdString();
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

std::string portName(const ::testing::TestParamInfo<Port> &info)
{
    switch (info.param) {
    case Port::Sim:
        return "Sim";
    case Port::Tcp:
        return "Tcp";
    case Port::Serial:
        return "Serial";
    }
    return {};
}

INSTANTIATE_TEST_SUITE_P(Ports, LinkEndToEnd, ::testing::Values(Port::Sim, Port::Tcp, Port::Serial),
                         portName);

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
    ASSERT_TRUE(served.opened());
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
