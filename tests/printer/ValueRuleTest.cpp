#include "ValueRule.h"
#include "ParameterCatalog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

using virtualprinter::ParameterCatalog;
using virtualprinter::ValueRule;

struct Row {
    std::string name;
    ValueRule rule;
    std::string value;
    bool accepted;
};

void PrintTo(const Row &row, std::ostream *out)
{
    *out << row.name << " with \"" << row.value << "\"";
}

const std::vector<Row> Rows{
    {"word in the list", ValueRule::words({"on", "off"}), "off", true},
    {"word in other letters", ValueRule::words({"on", "off"}), "ON", false},
    {"word with a blank", ValueRule::words({"on", "off"}), "on ", false},
    {"number at the low end", ValueRule::integer(-90, 90), "-90", true},
    {"number at the high end", ValueRule::integer(-90, 90), "90", true},
    {"number past the end", ValueRule::integer(-90, 90), "91", false},
    {"number with a plus sign", ValueRule::integer(0, 30), "+3", false},
    {"lone minus", ValueRule::integer(-90, 90), "-", false},
    {"decimal number", ValueRule::integer(0, 108), "3.5", false},
    {"number with a trailing letter", ValueRule::integer(0, 108), "30mm", false},
    {"empty number", ValueRule::integer(0, 108), "", false},
    {"huge number", ValueRule::integer(0, 108), "99999999999999999999999", false},
    {"text at its longest", ValueRule::text(1, 4), "abcd", true},
    {"text too long", ValueRule::text(1, 4), "abcde", false},
    {"empty text where one character is needed", ValueRule::text(1, 4), "", false},
    {"text with a line end", ValueRule::text(0, 16), "a\r\nb", false},
    {"text with a high byte", ValueRule::text(0, 16), "Caf\xe9", true},
    {"digits", ValueRule::digits(1, 4), "0042", true},
    {"digits with a letter", ValueRule::digits(1, 4), "12a", false},
    {"address", ValueRule::address(), "192.168.0.1", true},
    {"address with leading zeros", ValueRule::address(), "010.000.020.222", true},
    {"address field above 255", ValueRule::address(), "10.0.0.256", false},
    {"address with an empty field", ValueRule::address(), "10..0.1", false},
    {"address with five fields", ValueRule::address(), "1.2.3.4.5", false},
    {"address field of four digits", ValueRule::address(), "1.2.3.0004", false},
    {"read-only takes nothing", ValueRule::readOnly(), "anything", false},
};

class ValueRuleTest : public testing::TestWithParam<Row>
{
};

TEST_P(ValueRuleTest, AcceptsOnlyUsableValues)
{
    EXPECT_EQ(GetParam().rule.accepts(GetParam().value), GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(Values, ValueRuleTest, testing::ValuesIn(Rows));

TEST(ParameterCatalog, EveryWritableFactoryValueIsAcceptedByItsOwnRule)
{
    for (const auto &spec : ParameterCatalog::all()) {
        if (spec.rule.writable()) {
            EXPECT_TRUE(spec.rule.accepts(spec.defaultValue)) << spec.name;
        }
    }
}

} // namespace
