// Whole exchanges with the printer, as tables: what the host sends, what the
// printer must answer, step by step, on a printer fresh from the factory.
#include "HostFrames.h"
#include "HostSession.h"
#include "VirtualPrinter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

using virtualprinter::VirtualPrinter;
using F = HostFrames;

struct Step {
    std::string sent;
    std::string expected;
};

struct Conversation {
    std::string name;
    std::vector<Step> steps;
};

void PrintTo(const Conversation &conversation, std::ostream *out)
{
    *out << conversation.name;
}

const std::string Nothing;
const std::string ZeroByte(1, '\0');

std::string bytes(std::initializer_list<int> values)
{
    std::string result;
    for (const int value : values)
        result.push_back(static_cast<char>(value));
    return result;
}

const std::vector<Conversation> Parameters{
    {"getval answers the bare value", {{F::getval("dpi"), "203"}}},
    {"unknown name gets no answer", {{F::getval("colour"), Nothing}, {F::getval("dpi"), "203"}}},
    {"setval stores a value", {{F::setval("speed", "3"), Nothing}, {F::getval("speed"), "3"}}},
    {"value out of range keeps the old one",
     {{F::setval("darkness", "31"), Nothing}, {F::getval("darkness"), "15"}}},
    {"negative offsets within range are kept",
     {{F::setval("row_offset", "-90"), Nothing}, {F::getval("row_offset"), "-90"}}},
    {"value words are exact",
     {{F::setval("media_sensor", "black_mark"), Nothing},
      {F::setval("media_sensor", "BLACK_MARK"), Nothing},
      {F::getval("media_sensor"), "black_mark"}}},
    {"misspelt value word of the vocabulary is the valid one",
     {{F::setval("head_close", "calibation"), Nothing}, {F::getval("head_close"), "calibation"}}},
    {"read-only version cannot be set",
     {{F::setval("version", "V1.0.0"), Nothing}, {F::getval("version"), "V10.02.01"}}},
    {"read-only MAC cannot be set",
     {{F::setval("eth_mac", "00:00:00:00:00:00"), Nothing},
      {F::getval("eth_mac"), "02:50:4D:00:00:01"}}},
    {"setval of an unknown name is ignored",
     {{F::setval("colour", "red"), Nothing}, {F::getval("colour"), Nothing}}},
    {"Bluetooth name keeps capitals and blanks",
     {{F::setval("bt_name", "My Printer 2"), Nothing}, {F::getval("bt_name"), "My Printer 2"}}},
    {"a set value may itself hold quotes",
     {{F::setval("wlan_key", "pa\"ss"), Nothing}, {F::getval("wlan_key"), "pa\"ss"}}},
    {"Bluetooth name longer than 16 is refused",
     {{F::setval("bt_name", "ABCDEFGHIJKLMNOPQ"), Nothing}, {F::getval("bt_name"), "PRINTER-BT"}}},
    {"empty value is refused where a number is needed",
     {{F::setval("paper_height", ""), Nothing}, {F::getval("paper_height"), "2000"}}},
    {"empty wireless key is stored and answered by a zero byte",
     {{F::setval("wlan_key", ""), Nothing}, {F::getval("wlan_key"), ZeroByte}}},
    {"address with four fields is stored",
     {{F::setval("eth_ip", "192.168.10.20"), Nothing}, {F::getval("eth_ip"), "192.168.10.20"}}},
    {"address field above 255 is refused",
     {{F::setval("eth_ip", "300.1.1.1"), Nothing}, {F::getval("eth_ip"), "10.0.20.222"}}},
    {"address with three fields is refused",
     {{F::setval("eth_mask", "255.255.0"), Nothing}, {F::getval("eth_mask"), "255.255.255.0"}}},
    {"serial settings take the lowered list texts",
     {{F::setval("com_flow", "rts/cts"), Nothing},
      {F::setval("com_parity", "even"), Nothing},
      {F::setval("com_baud", "115200"), Nothing},
      {F::getval("com_flow"), "rts/cts"},
      {F::getval("com_parity"), "even"},
      {F::getval("com_baud"), "115200"}}},
    {"baud rate outside the list is refused",
     {{F::setval("com_baud", "2400"), Nothing}, {F::getval("com_baud"), "9600"}}},
    {"factory default restores settings but keeps the version",
     {{F::setval("speed", "2"), Nothing},
      {F::setval("autoform_switch", "on"), Nothing},
      {F::doCommand({"factory_default"}), Nothing},
      {F::getval("speed"), "4"},
      {F::getval("autoform_switch"), "off"},
      {F::getval("version"), "V10.02.01"}}},
    {"frame without quotes is ignored", {{F::prefix() + "getval dpi\r\n", Nothing}}},
    {"unknown verb is ignored", {{F::prefix() + "fetch \"dpi\"\r\n", Nothing}}},
    {"getval with two names is ignored", {{F::prefix() + "getval \"dpi\" \"speed\"\r\n", Nothing}}},
};

const std::vector<Conversation> StateAndKeys{
    {"a ready printer has every state bit set",
     {{F::getval("printer_status"), bytes({0xEA, 0x02, 0x00, 0x00, 0x00})}}},
    {"automatic label mode key reads off at first", {{F::getkey(1, 436), bytes({0})}}},
    {"key follows autoform_switch",
     {{F::setval("autoform_switch", "on"), Nothing}, {F::getkey(1, 436), bytes({1})}}},
    {"setkey moves autoform_switch",
     {{F::setkey(1, 436, 1), Nothing},
      {F::getval("autoform_switch"), "on"},
      {F::setkey(0, 436, 0), Nothing},
      {F::getval("autoform_switch"), "off"}}},
    {"factory zone reads the same key",
     {{F::setkey(1, 436, 1), Nothing}, {F::getkey(0, 436), bytes({1})}}},
    {"setkey value other than 0 or 1 is refused",
     {{F::setkey(1, 436, 2), Nothing}, {F::getval("autoform_switch"), "off"}}},
    {"unknown key gets no answer", {{F::getkey(1, 437), Nothing}, {F::getval("dpi"), "203"}}},
    {"zone other than 0 or 1 gets no answer", {{F::getkey(2, 436), Nothing}}},
    {"key frame without its constant byte is ignored",
     {{F::getkey(1, 436).substr(0, 18) + '\x02', Nothing}}},
};

const std::vector<Conversation> FunctionsAndStorage{
    {"functions answer nothing",
     {{F::doCommand({"calibrate_sensor"}), Nothing},
      {F::doCommand({"configguration_page"}), Nothing},
      {F::getval("dpi"), "203"}}},
    {"empty file lists are answered by a zero byte",
     {{F::getval("bitmaps"), ZeroByte},
      {F::getval("labels"), ZeroByte},
      {F::getval("autoform"), ZeroByte},
      {F::getval("fonts"), ZeroByte}}},
    {"an empty printer reports all its storage free",
     {{F::getval("use_capacity"), "0"}, {F::getval("remain_capacity"), "8388608"}}},
    {"download of an unknown kind is refused",
     {{F::doCommand({"download", "pictures", "a.bmp"}), "ER"}}},
    {"a name with a comma would break the list and is refused",
     {{F::doCommand({"download", "labels", "a,b.prn"}), "ER"}}},
    {"a font needs its memory prefix", {{F::doCommand({"download", "fonts", "arial.ttf"}), "ER"}}},
    {"deleting a missing font is answered ER",
     {{F::doCommand({"delete", "fonts", "R_NONE.TTF"}), "ER\r\n"}}},
    {"deleting a missing picture is silent",
     {{F::doCommand({"delete", "bitmaps", "none.bmp"}), Nothing}}},
    {"dump keeps what arrives between start and end",
     {{F::doCommand({"dump", "start"}), Nothing},
      {"ABC", Nothing},
      {F::getval("dpi"), "203"},
      {F::doCommand({"dump", "end"}), bytes({24, 0, 0, 0, 0})},
      {F::doCommand({"dump", "data"}), "ABC" + F::getval("dpi")}}},
    {"dump end without a start announces nothing captured",
     {{F::doCommand({"dump", "end"}), bytes({0, 0, 0, 0, 0})},
      {F::doCommand({"dump", "data"}), Nothing}}},
    {"a new dump start forgets the previous capture",
     {{F::doCommand({"dump", "start"}), Nothing},
      {"first", Nothing},
      {F::doCommand({"dump", "start"}), Nothing},
      {"2nd", Nothing},
      {F::doCommand({"dump", "end"}), bytes({3, 0, 0, 0, 0})}}},
    {"label data outside frames is not answered",
     {{"^XA\r\n^FDHello^FS\r\n^XZ\r\n", Nothing}, {F::getval("dpi"), "203"}}},
};

class ConversationTest : public testing::TestWithParam<Conversation>
{
protected:
    VirtualPrinter printer;
};

TEST_P(ConversationTest, PrinterAnswersEachStep)
{
    for (const Step &step : GetParam().steps) {
        SCOPED_TRACE(HostFrames::hex(step.sent));
        EXPECT_EQ(HostFrames::hex(printer.receive(step.sent)), HostFrames::hex(step.expected));
    }
}

std::string rowName(const testing::TestParamInfo<Conversation> &info)
{
    std::string name;
    for (const char c : info.param.name)
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Parameters, ConversationTest, testing::ValuesIn(Parameters), rowName);
INSTANTIATE_TEST_SUITE_P(StateAndKeys, ConversationTest, testing::ValuesIn(StateAndKeys), rowName);
INSTANTIATE_TEST_SUITE_P(FunctionsAndStorage, ConversationTest,
                         testing::ValuesIn(FunctionsAndStorage), rowName);

TEST(PrinterModel, VersionFollowsTheModel)
{
    const std::vector<std::pair<std::string, std::string>> rows{
        {"PM44PRO FULL", "V10.02.01"}, {"PM44PRO", "V10.01.07"}, {"PM05", "V10.00.01"}};
    for (const auto &[model, version] : rows) {
        VirtualPrinter printer(model);
        EXPECT_EQ(printer.receive(HostFrames::getval("version")), version) << model;
        EXPECT_EQ(printer.model(), model);
    }
}

TEST(PrinterState, EachConditionClearsItsOwnBit)
{
    using virtualprinter::Condition;
    const std::vector<std::tuple<Condition, unsigned char, unsigned char>> rows{
        {Condition::HeadOpen, 0xE8, 0x02},     {Condition::PaperOut, 0xE2, 0x02},
        {Condition::RibbonOut, 0xCA, 0x02},    {Condition::Paused, 0xAA, 0x02},
        {Condition::HeadOverheat, 0x6A, 0x02}, {Condition::CutterError, 0xEA, 0x00},
    };
    for (const auto &[condition, first, second] : rows) {
        VirtualPrinter printer;
        printer.setCondition(condition, true);
        EXPECT_EQ(HostFrames::hex(printer.receive(HostFrames::getval("printer_status"))),
                  HostFrames::hex(bytes({first, second, 0, 0, 0})));
        printer.setCondition(condition, false);
        EXPECT_FALSE(printer.hasCondition(condition));
        EXPECT_EQ(HostFrames::hex(printer.receive(HostFrames::getval("printer_status"))),
                  HostFrames::hex(bytes({0xEA, 0x02, 0, 0, 0})));
    }
}

TEST(PrinterFunctions, EveryDoCommandIsCountedWithItsArguments)
{
    VirtualPrinter printer;
    printer.receive(HostFrames::doCommand({"reset_printer"}) +
                    HostFrames::doCommand({"reset_printer"}) +
                    HostFrames::doCommand({"print", "labels", "form.zpl.prn"}));
    EXPECT_EQ(printer.functionCount("reset_printer"), 2u);
    EXPECT_EQ(printer.functionCount("print"), 1u);
    EXPECT_EQ(printer.functionCount("graph_sensor"), 0u);
    ASSERT_EQ(printer.recentFunctions().size(), 3u);
    const auto &last = printer.recentFunctions().back();
    EXPECT_EQ(last.name, "print");
    EXPECT_EQ(last.arguments, (std::vector<std::string>{"labels", "form.zpl.prn"}));
}

TEST(PrinterFunctions, FontDeleteAnswersOkAndFreesTheRoom)
{
    VirtualPrinter printer;
    HostSession host(printer);
    ASSERT_EQ(host.download("fonts", "R_SIMSUN.TTF", std::string(3000, 'f')), "");
    ASSERT_EQ(host.download("fonts", "E_ARIAL.TTF", std::string(100, 'a')), "");
    EXPECT_EQ(host.get("fonts"), "R_SIMSUN.TTF,E_ARIAL.TTF");
    EXPECT_EQ(printer.receive(HostFrames::doCommand({"delete", "fonts", "E_ARIAL.TTF"})), "OK\r\n");
    EXPECT_EQ(host.get("fonts"), "R_SIMSUN.TTF");
    EXPECT_EQ(host.get("use_capacity"), "3000");
    EXPECT_EQ(printer.receive(HostFrames::doCommand({"delete", "fonts", "E_ARIAL.TTF"})), "ER\r\n");
}

TEST(PrinterFunctions, NoReplyFaultSilencesEverythingButStillActs)
{
    VirtualPrinter printer;
    printer.setFaults({.noReply = true});
    EXPECT_EQ(printer.receive(HostFrames::setval("speed", "2") + HostFrames::getval("speed")), "");
    printer.setFaults({});
    EXPECT_EQ(printer.receive(HostFrames::getval("speed")), "2");
}

} // namespace
