// A printer fresh from the factory answers every name of the vocabulary in
// the form the tool's pages expect.
#include "HostFrames.h"
#include "VirtualPrinter.h"

#include <gtest/gtest.h>

#include <chrono>
#include <regex>
#include <string>
#include <vector>

namespace
{

using virtualprinter::VirtualPrinter;

struct Row {
    std::string name;
    std::string pattern;
};

void PrintTo(const Row &row, std::ostream *out)
{
    *out << row.name;
}

const std::string Number = "-?[0-9]+";
const std::string Mac = "[0-9A-F]{2}(:[0-9A-F]{2}){5}";
const std::string Address = "[0-9]{1,3}(\\.[0-9]{1,3}){3}";
const std::string OnOff = "on|off";

const std::vector<Row> Rows{
    {"dpi", "203"},
    {"print_method", "thermal_transfer|direct_thermal"},
    {"print_mode", "tear|cutter|peel"},
    {"paper_height", Number},
    {"sns_lock", OnOff},
    {"media_sensor", "gap|black_mark|continuous"},
    {"tear_off", Number},
    {"max_length", Number},
    {"heat_sw", "yes|no"},
    {"speed_sw", "yes|no"},
    {"media_power_up", "feed|calibation|none"},
    {"head_close", "feed|calibation|none"},
    {"darkness", "[0-9]|[12][0-9]|30"},
    {"print_speed", "[234]"},
    {"label_width", "[0-9]+"},
    {"align_center", OnOff},
    {"control_codes", "standard|alternate|alternate-2"},
    {"column_offset", Number},
    {"row_offset", Number},
    {"density", "[0-9]|1[0-5]"},
    {"speed", "[234]"},
    {"top_of_form_backup", "enable|disable"},
    {"reference_x", "[0-9]+"},
    {"reference_y", "[0-9]+"},
    {"direction", "zt|zb"},
    {"paper_width", "[0-9]+"},
    {"com_baud", "1200|4800|9600|19200|38400|57600|115200"},
    {"com_flow", "none|rts/cts"},
    {"com_wordlength", "7|8"},
    {"com_stopbits", "1|2"},
    {"com_parity", "none|odd|even"},
    {"bt_name", ".{1,16}"},
    {"bt_pwd", "[0-9]{1,4}"},
    {"bt_mac", Mac},
    {"eth_dhcp", OnOff},
    {"eth_ip", Address},
    {"eth_mask", Address},
    {"eth_gateway", Address},
    {"eth_mac", Mac},
    {"wlan_ssid", ".{1,32}"},
    {"wlan_encry", "wpa|wep1|wep2"},
    {"wlan_key", ".*"},
    {"wlan_dhcp", OnOff},
    {"wlan_ip", Address},
    {"wlan_mask", Address},
    {"wlan_gateway", Address},
    {"wlan_mod", "ap|sta"},
    {"wlan_mac", Mac},
    {"year", "2021"},
    {"month", "10"},
    {"date", "19"},
    {"hour", "8"},
    {"minute", "7"},
    {"second", "6"},
    {"time_zone", Number},
    {"calibration_paper_len", "[0-9]+"},
    {"calibration_gap_len", "[0-9]+"},
    {"version", "V10\\.02\\.01"},
    {"mileage", "[0-9]+"},
    {"mileage_reset", "[0-9]+"},
    {"use_capacity", "0"},
    {"remain_capacity", "[1-9][0-9]*"},
    {"autoform_switch", OnOff},
};

std::chrono::system_clock::time_point fixedTime()
{
    using namespace std::chrono;
    return sys_days{year{2021} / 10 / 19} + hours{8} + minutes{7} + seconds{6};
}

class ParameterDefaultsTest : public testing::TestWithParam<Row>
{
protected:
    VirtualPrinter printer{"PM44PRO FULL", fixedTime};
};

TEST_P(ParameterDefaultsTest, AnswersInTheExpectedForm)
{
    const std::string reply = printer.receive(HostFrames::getval(GetParam().name));
    EXPECT_TRUE(std::regex_match(reply, std::regex(GetParam().pattern)))
        << GetParam().name << " answered \"" << reply << "\"";
}

INSTANTIATE_TEST_SUITE_P(Vocabulary, ParameterDefaultsTest, testing::ValuesIn(Rows),
                         [](const auto &info) { return info.param.name; });

TEST(ParameterDefaults, FactoryDefaultUndoesEverySetting)
{
    VirtualPrinter printer;
    std::string fresh;
    for (const Row &row : Rows)
        fresh += row.name + "=" + printer.receive(HostFrames::getval(row.name)) + "\n";
    const std::vector<std::pair<std::string, std::string>> changes{
        {"print_mode", "peel"}, {"darkness", "30"},     {"direction", "zb"},
        {"com_baud", "1200"},   {"bt_name", "Changed"}, {"eth_ip", "1.2.3.4"},
        {"wlan_mod", "sta"},    {"time_zone", "-480"},  {"calibration_gap_len", "9"}};
    for (const auto &[name, value] : changes) {
        printer.receive(HostFrames::setval(name, value));
        ASSERT_EQ(printer.receive(HostFrames::getval(name)), value);
    }
    printer.receive(HostFrames::doCommand({"factory_default"}));
    std::string restored;
    for (const Row &row : Rows)
        restored += row.name + "=" + printer.receive(HostFrames::getval(row.name)) + "\n";
    // The clock runs on; everything else must be as it was.
    const auto withoutClock = [](const std::string &text) {
        return std::regex_replace(text, std::regex("(year|month|date|hour|minute|second)=.*\n"),
                                  "");
    };
    EXPECT_EQ(withoutClock(restored), withoutClock(fresh));
}

TEST(ParameterDefaults, StateIsFiveBytes)
{
    VirtualPrinter printer;
    EXPECT_EQ(printer.receive(HostFrames::getval("printer_status")).size(), 5u);
}

} // namespace
