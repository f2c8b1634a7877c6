#include "PrtUtil.h"
#include "FakePrinterApi.h"
#include "LoopbackPeer.h"
#include "RecordingSleeper.h"
#include "SdkPrinterApi.h"
#include "ToolRun.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace
{

const QByteArray kPrefix("\x1b\x1c& V1 ", 7);

using Outcome = ToolRun::Outcome;

Outcome run(PrinterApi &api, std::vector<std::string> args)
{
    return ToolRun::Run(api, std::move(args));
}

TEST(PrtUtil, GetPrintsEachReplyOnItsOwnLine)
{
    FakePrinterApi api;
    api.reads = {{0, "V10.02.01"}, {0, "203"}};
    const Outcome outcome = run(api, {"--port", "SIM", "get", "version", "dpi"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, "V10.02.01\n203\n");
    EXPECT_EQ(api.calls[1].descriptor, "SIM");
    EXPECT_EQ(api.writes(), (std::vector<QByteArray>{kPrefix + "getval \"version\"\r\n",
                                                     kPrefix + "getval \"dpi\"\r\n"}));
}

TEST(PrtUtil, PortDefaultsToUsb)
{
    FakePrinterApi api;
    api.reads = {{0, "203"}};
    run(api, {"get", "dpi"});
    EXPECT_EQ(api.calls[1].descriptor, "USB");
}

struct CommandCase {
    const char *name;
    std::vector<std::string> args;
    QByteArray frame;
};

class Commands : public ::testing::TestWithParam<CommandCase>
{
};

TEST_P(Commands, SendTheirFrameAndSucceed)
{
    FakePrinterApi api;
    const Outcome outcome = run(api, GetParam().args);
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(api.written(), GetParam().frame);
    EXPECT_EQ(api.functions().count("PortOpen"), 1);
    EXPECT_EQ(api.functions().count("PortClose"), 1);
}

INSTANTIATE_TEST_SUITE_P(Frames, Commands,
                         ::testing::Values(CommandCase{"SetLowersCapitals",
                                                       {"set", "heat_sw", "YES"},
                                                       kPrefix + "setval \"heat_sw\" \"yes\"\r\n"},
                                           CommandCase{"SetExactKeepsThem",
                                                       {"set", "bt_name", "Shop-A", "--exact"},
                                                       kPrefix +
                                                           "setval \"bt_name\" \"Shop-A\"\r\n"},
                                           CommandCase{"QuotedNameIsKept",
                                                       {"set", "\"speed\"", "4"},
                                                       kPrefix + "setval \"speed\" \"4\"\r\n"},
                                           CommandCase{"Function",
                                                       {"do", "configguration_page"},
                                                       kPrefix + "do \"configguration_page\"\r\n"},
                                           CommandCase{"FunctionWithArgument",
                                                       {"do", "dump", "start"},
                                                       kPrefix + "do \"dump\" \"start\"\r\n"}),
                         [](const auto &info) { return std::string(info.param.name); });

struct FailureCase {
    const char *name;
    std::vector<std::string> args;
    int32_t openStatus;
    int32_t writeStatus;
    std::deque<FakePrinterApi::Read> reads;
    const char *message;
};

class Failures : public ::testing::TestWithParam<FailureCase>
{
};

TEST_P(Failures, EndWithOneClearLineAndStatusOne)
{
    FakePrinterApi api;
    api.openStatuses = {GetParam().openStatus};
    api.writeStatuses = {GetParam().writeStatus};
    api.reads = GetParam().reads;
    const Outcome outcome = run(api, GetParam().args);
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err, std::string("prtutil: ") + GetParam().message + "\n");
    EXPECT_EQ(api.functions().count("PortOpen"),
              api.functions().count("PrinterDestroy") + (GetParam().openStatus != 0 ? 1 : 0));
}

INSTANTIATE_TEST_SUITE_P(
    Errors, Failures,
    ::testing::Values(
        FailureCase{"OpenRefused",
                    {"--port", "NET,10.0.20.222", "get", "dpi"},
                    -101,
                    0,
                    {},
                    "cannot open port NET,10.0.20.222: the printer refused the connection (-101)"},
        FailureCase{"DoOpenFails",
                    {"--port", "LPT9", "do", "reset_printer"},
                    -22,
                    0,
                    {},
                    "cannot open port LPT9: a field of the port descriptor is out of range (-22)"},
        FailureCase{"NoAnswer",
                    {"get", "dpi", "speed"},
                    0,
                    0,
                    {{0, "203"}},
                    "the printer did not answer \"speed\""},
        FailureCase{"WriteFails",
                    {"set", "speed", "4"},
                    0,
                    -11,
                    {},
                    "could not send \"speed\": the connection to the printer was lost (-11)"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PrtUtil, UsageErrorsExplainThemselves)
{
    FakePrinterApi api;
    const Outcome outcome = run(api, {"get"});
    EXPECT_NE(outcome.status, 0);
    EXPECT_NE(outcome.err.find("NAME"), std::string::npos) << outcome.err;
    EXPECT_TRUE(api.calls.empty());
}

TEST(PrtUtil, HelpNamesEveryCommandAndOption)
{
    FakePrinterApi api;
    const Outcome outcome = run(api, {"--help"});
    EXPECT_EQ(outcome.status, 0);
    for (const char *word : {"--port", "--model", "get", "set", "do", "config", "SIM", "NET,"})
        EXPECT_NE(outcome.out.find(word), std::string::npos) << word;
}

TEST(PrtUtilOverTcp, GetDpiPutsExactly21BytesOnTheWire)
{
    LoopbackPeer printer;
    SdkPrinterApi api;
    Outcome outcome;
    std::thread tool([&] { outcome = run(api, {"--port", printer.descriptor(), "get", "dpi"}); });
    ASSERT_TRUE(printer.accept());
    const std::string frame = printer.receiveOnce();
    printer.send("203");
    tool.join();
    EXPECT_EQ(frame, std::string("\x1b\x1c& V1 getval \"dpi\"\r\n"));
    EXPECT_EQ(frame.size(), 21u);
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, "203\n");
}

} // namespace
