#include "CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

using virtualprinter::CommandLine;

struct Row {
    std::string text;
    bool valid;
    std::string verb;
    std::vector<std::string> arguments;
};

void PrintTo(const Row &row, std::ostream *out)
{
    *out << row.text;
}

const std::vector<Row> Rows{
    {"getval \"dpi\"", true, "getval", {"dpi"}},
    {"setval \"speed\" \"4\"", true, "setval", {"speed", "4"}},
    {"setval \"bt_name\" \"My Printer\"", true, "setval", {"bt_name", "My Printer"}},
    {"setval \"wlan_key\" \"a\"b\"", true, "setval", {"wlan_key", "a\"b"}},
    {"setval \"paper_height\" \"\"", true, "setval", {"paper_height", ""}},
    {"do \"reset_printer\"", true, "do", {"reset_printer"}},
    {"do \"dump\" \"start\"", true, "do", {"dump", "start"}},
    {"do \"download\" \"bitmaps\" \"logo.bmp\"", true, "do", {"download", "bitmaps", "logo.bmp"}},
    {"do  \"extra\"   \"blanks\" ", true, "do", {"extra", "blanks"}},
    {"getval dpi", false, "", {}},
    {"getval", false, "", {}},
    {"getval \"dpi", false, "", {}},
    {"getval \"\"", true, "getval", {""}},
    {"", false, "", {}},
};

class CommandLineTest : public testing::TestWithParam<Row>
{
};

TEST_P(CommandLineTest, SplitsVerbAndQuotedArguments)
{
    const Row &row = GetParam();
    const auto line = CommandLine::parse(row.text);
    ASSERT_EQ(line.has_value(), row.valid);
    if (!line)
        return;
    EXPECT_EQ(line->verb(), row.verb);
    EXPECT_EQ(line->arguments(), row.arguments);
}

INSTANTIATE_TEST_SUITE_P(Texts, CommandLineTest, testing::ValuesIn(Rows));

} // namespace
