#include "CommandProtocol.h"
#include "CommandFrame.h"
#include "FakePrinterApi.h"
#include "PrinterName.h"
#include "RecordingMessages.h"
#include "RecordingSleeper.h"

#include <gtest/gtest.h>

namespace
{

const QByteArray kPrefix("\x1b\x1c\x26\x20\x56\x31\x20", 7);

class CommandProtocolTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(link.CreatePrinter(), 0);
        api.calls.clear();
    }

    FakePrinterApi api;
    RecordingSleeper sleeper;
    RecordingMessages messages;
    PrinterLink link{api, sleeper, messages};
    CommandProtocol protocol{link};
};

struct FrameCase {
    const char *name;
    QByteArray frame;
    QByteArray expected;
};

class Frames : public ::testing::TestWithParam<FrameCase>
{
};

TEST_P(Frames, AreByteExact)
{
    EXPECT_EQ(GetParam().frame.toHex(' '), GetParam().expected.toHex(' '));
}

INSTANTIATE_TEST_SUITE_P(
    Commands, Frames,
    ::testing::Values(
        FrameCase{"GetDpiIs21Bytes", CommandFrame::getVal(PrinterName::dpi),
                  kPrefix + "getval \"dpi\"\r\n"},
        FrameCase{"SetSpeed", CommandFrame::setVal(PrinterName::speed, "4"),
                  kPrefix + "setval \"speed\" \"4\"\r\n"},
        FrameCase{"Function", CommandFrame::doCmd(PrinterName::configguration_page),
                  kPrefix + "do \"configguration_page\"\r\n"},
        FrameCase{"FunctionWithArgument", CommandFrame::doCmdArg(PrinterName::dump, "start"),
                  kPrefix + "do \"dump\" \"start\"\r\n"},
        FrameCase{"FunctionWithTwoArguments",
                  CommandFrame::doCmdArgs(PrinterName::delete_, PrinterName::bitmaps, "LOGO"),
                  kPrefix + "do \"delete\" \"bitmaps\" \"LOGO\"\r\n"},
        FrameCase{"GetKey436Zone1", CommandFrame::getKey(1, 436),
                  QByteArray::fromHex("1B1C2620563120"
                                      "6765746B6579"
                                      "0D0A01B40101")},
        FrameCase{"SetKey436Zone0", CommandFrame::setKey(0, 436, 1),
                  kPrefix + "setkey\r\n" + QByteArray::fromHex("00B4010101")},
        FrameCase{"HighLatinValueIsOneByte",
                  CommandFrame::setVal(PrinterName::bt_name, "Caf\u00e9"),
                  kPrefix + "setval \"bt_name\" \"Caf\xe9\"\r\n"},
        FrameCase{"WideCharacterCannotBeSent", CommandFrame::setVal(PrinterName::bt_name, "\u4e2d"),
                  kPrefix + "setval \"bt_name\" \"?\"\r\n"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(FrameSizes, GetValForDpiIs21Bytes)
{
    EXPECT_EQ(CommandFrame::getVal(PrinterName::dpi).size(), 21);
}

struct ReplyCase {
    QByteArray bytes;
    QString text;
};

class ReplyText : public ::testing::TestWithParam<ReplyCase>
{
};

TEST_P(ReplyText, DropsZeroBytesAndKeepsEverythingElse)
{
    EXPECT_EQ(CommandFrame::replyText(GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Replies, ReplyText,
                         ::testing::Values(ReplyCase{QByteArray("on\0\r\n", 5), "on\r\n"},
                                           ReplyCase{QByteArray("\0\0"
                                                                "203",
                                                                5),
                                                     "203"},
                                           ReplyCase{"\xe9\xff", QString("\u00e9\u00ff")},
                                           ReplyCase{"", ""}));

TEST_F(CommandProtocolTest, GetValWritesPausesReadsAndRecordsTheLength)
{
    api.reads = {{0, QByteArray("203\0", 4)}};
    EXPECT_EQ(protocol.GetVal(PrinterName::dpi), "203");
    EXPECT_EQ(api.functions(), QStringList({"WriteData", "ReadDataEOF"}));
    EXPECT_EQ(api.calls[0].bytes, kPrefix + "getval \"dpi\"\r\n");
    EXPECT_EQ(api.calls[1].capacity, 128);
    EXPECT_EQ(sleeper.waits, std::vector<int>{100});
    EXPECT_EQ(link.LastReplyLength(), 4);
}

TEST_F(CommandProtocolTest, AFailedReadGivesAnEmptyReplyWhateverArrived)
{
    api.reads = {{-9, "203"}};
    EXPECT_EQ(protocol.GetVal(PrinterName::dpi), "");
    EXPECT_EQ(link.LastResult(), -9);
}

TEST_F(CommandProtocolTest, AFailedWriteDoesNotStopTheRead)
{
    api.writeStatuses = {-8};
    api.reads = {{0, "on"}};
    EXPECT_EQ(protocol.GetVal(PrinterName::sns_lock), "on");
    EXPECT_EQ(api.functions(), QStringList({"WriteData", "ReadDataEOF"}));
}

TEST_F(CommandProtocolTest, ZeroByteReplyCountsAsPresent)
{
    api.reads = {{0, QByteArray("\0", 1)}};
    const QString reply = protocol.GetVal(PrinterName::bt_pwd);
    EXPECT_TRUE(reply.isEmpty());
    EXPECT_TRUE(protocol.ReplyPresent(reply));
    api.reads = {{0, ""}};
    EXPECT_FALSE(protocol.ReplyPresent(protocol.GetVal(PrinterName::bt_pwd)));
}

TEST_F(CommandProtocolTest, GetValLongReadsMoreAndLeavesTheLengthAlone)
{
    link.SetLastReplyLength(7);
    api.reads = {{0, "a.bmp,b.bmp"}};
    EXPECT_EQ(protocol.GetValLong(PrinterName::bitmaps), "a.bmp,b.bmp");
    EXPECT_EQ(api.calls[1].capacity, 255);
    EXPECT_EQ(link.LastReplyLength(), 7);
}

struct PatientCase {
    const char *name;
    std::deque<FakePrinterApi::Read> reads;
    QString reply;
    std::vector<int> waits;
};

class GetValPatient : public CommandProtocolTest, public ::testing::WithParamInterface<PatientCase>
{
};

TEST_P(GetValPatient, WaitsOnlyWhenTheFirstReadBringsNothing)
{
    api.reads = GetParam().reads;
    EXPECT_EQ(protocol.GetValPatient(PrinterName::version), GetParam().reply);
    EXPECT_EQ(sleeper.waits, GetParam().waits);
    EXPECT_EQ(api.functions().count("WriteData"), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, GetValPatient,
    ::testing::Values(PatientCase{"AnswersAtOnce", {{0, "V10.02.01"}}, "V10.02.01", {100}},
                      PatientCase{
                          "AnswersLate", {{0, ""}, {0, "V10.02.01"}}, "V10.02.01", {100, 2000}},
                      PatientCase{"FirstReadFails", {{-9, ""}, {0, "V1"}}, "V1", {100, 2000}},
                      PatientCase{"SecondReadDecides", {{0, ""}, {-9, "V1"}}, "", {100, 2000}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(CommandProtocolTest, GetValRawOpensReadsIntoTheCallersCapacityAndCloses)
{
    api.reads = {{0, QByteArray::fromHex("EA02000000FF")}};
    QByteArray status;
    EXPECT_EQ(protocol.GetValRaw(PrinterName::printer_status, status, 5), 5);
    EXPECT_EQ(status, QByteArray::fromHex("EA02000000"));
    EXPECT_EQ(api.functions(),
              QStringList({"PortOpen", "WriteData", "ReadDataEOF", "PortClose", "PrinterDestroy"}));
}

TEST_F(CommandProtocolTest, GetValRawResults)
{
    QByteArray buffer;
    api.openStatuses = {-101};
    EXPECT_EQ(protocol.GetValRaw(PrinterName::printer_status, buffer, 5), 0);
    api.reads = {{-9, "xx"}};
    EXPECT_EQ(protocol.GetValRaw(PrinterName::printer_status, buffer, 5), -1);
    api.reads = {{0, ""}};
    EXPECT_EQ(protocol.GetValRaw(PrinterName::printer_status, buffer, 5), 0);
}

TEST_F(CommandProtocolTest, SetValLowersAsciiCapitalsOnlyAndSetValExactKeepsThem)
{
    EXPECT_EQ(protocol.SetVal(PrinterName::heat_sw, "ON"), 0);
    EXPECT_EQ(protocol.SetVal(PrinterName::bt_name, QString("\u00c9TIQUETTE")), 0);
    EXPECT_EQ(protocol.SetValExact(PrinterName::bt_name, "Printer-A1"), 0);
    const auto writes = api.writes();
    ASSERT_EQ(writes.size(), 3u);
    EXPECT_EQ(writes[0], kPrefix + "setval \"heat_sw\" \"on\"\r\n");
    EXPECT_EQ(writes[1], kPrefix + "setval \"bt_name\" \"\xc9tiquette\"\r\n");
    EXPECT_EQ(writes[2], kPrefix + "setval \"bt_name\" \"Printer-A1\"\r\n");
    EXPECT_TRUE(sleeper.waits.empty());
}

TEST_F(CommandProtocolTest, SetValReportsAFailedWrite)
{
    api.writeStatuses = {-11};
    EXPECT_EQ(protocol.SetVal(PrinterName::speed, "4"), -1);
    EXPECT_EQ(link.LastResult(), -11);
}

TEST_F(CommandProtocolTest, DoCmdOpensWritesAndCloses)
{
    EXPECT_EQ(protocol.DoCmd(PrinterName::reset_printer), 0);
    EXPECT_EQ(api.functions(),
              QStringList({"PortOpen", "WriteData", "PortClose", "PrinterDestroy"}));
    EXPECT_EQ(api.written(), kPrefix + "do \"reset_printer\"\r\n");
}

TEST_F(CommandProtocolTest, DoCmdReportsSuccessWhenTheOpenFailsAndLetsTheOpenSpeak)
{
    api.openStatuses = {-101};
    EXPECT_EQ(protocol.DoCmd(PrinterName::reset_printer), 0);
    EXPECT_EQ(api.functions(), QStringList({"PortOpen"}));
    EXPECT_EQ(messages.errors, QStringList{"[_Err_OpenPort]:-101"});
}

TEST_F(CommandProtocolTest, DoCmdReportsAFailedWrite)
{
    api.writeStatuses = {-8};
    EXPECT_EQ(protocol.DoCmdArg(PrinterName::dump, "start"), -1);
}

TEST_F(CommandProtocolTest, OpenOnlyFormsLeaveThePortOpen)
{
    EXPECT_EQ(protocol.DoCmdArgOpenOnly(PrinterName::dump, "end"), 0);
    api.openStatuses = {5};
    EXPECT_EQ(protocol.DoCmdArgs(PrinterName::print, PrinterName::labels, "L1"), 0);
    EXPECT_EQ(api.functions(), QStringList({"PortOpen", "WriteData", "PortOpen", "WriteData"}));
    EXPECT_EQ(api.writes()[1], kPrefix + "do \"print\" \"labels\" \"L1\"\r\n");
}

TEST_F(CommandProtocolTest, GetKeySendsTheFrameWaitsAndReadsOneByte)
{
    api.reads = {{0, "\x01"}};
    QByteArray value;
    const auto result = protocol.GetKey(1, 436, value, true);
    EXPECT_EQ(result.result, 1);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(value, "\x01");
    EXPECT_EQ(api.functions(),
              QStringList({"PortOpen", "WriteData", "ReadData", "PortClose", "PrinterDestroy"}));
    EXPECT_EQ(api.calls[2].capacity, 1);
    EXPECT_EQ(sleeper.waits, std::vector<int>{50});
}

struct KeyReadCase {
    const char *name;
    int32_t openStatus;
    FakePrinterApi::Read read;
    int result;
    bool ok;
    QStringList shown;
};

class GetKeyResults : public CommandProtocolTest, public ::testing::WithParamInterface<KeyReadCase>
{
};

TEST_P(GetKeyResults, TellNothingFromFailure)
{
    api.openStatuses = {GetParam().openStatus};
    api.reads = {GetParam().read};
    QByteArray value;
    const auto result = protocol.GetKey(1, 436, value, true);
    EXPECT_EQ(result.result, GetParam().result);
    EXPECT_EQ(result.ok, GetParam().ok);
    EXPECT_EQ(messages.errors, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, GetKeyResults,
    ::testing::Values(
        KeyReadCase{"NothingCame", 0, {0, ""}, 0, false, {}},
        KeyReadCase{"ReadFailed", 0, {-9, ""}, -1, false, {}},
        KeyReadCase{"OpenFailedPlainText", -372, {0, "\x01"}, 0, false, {"[_Err_OpenPort]:-372"}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(CommandProtocolTest, KeyCommandsWithoutOpenUseTheOpenPort)
{
    EXPECT_TRUE(protocol.SetKey(1, 436, 0).ok);
    EXPECT_TRUE(protocol.DoKeyed(PrinterName::save_param_zone, false).ok);
    api.writeStatuses = {-8};
    const auto failed = protocol.DoKeyed(PrinterName::unlock_para, false);
    EXPECT_EQ(failed.result, -1);
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(api.functions(), QStringList({"WriteData", "WriteData", "WriteData"}));
}

TEST_F(CommandProtocolTest, DoKeyedWithOpenFailureReportsZeroWithoutSuccess)
{
    api.openStatuses = {-6};
    const auto result = protocol.DoKeyed(PrinterName::save_param_zone, true);
    EXPECT_EQ(result.result, 0);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(api.functions(), QStringList({"PortOpen"}));
}

} // namespace
