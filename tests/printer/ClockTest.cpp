#include "PrinterClock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

namespace
{

using namespace std::chrono;
using virtualprinter::PrinterClock;

class ClockTest : public testing::Test
{
protected:
    std::string fields() const
    {
        std::string text;
        for (const char *name : {"year", "month", "date", "hour", "minute", "second"})
            text += *clock.field(name) + " ";
        return text;
    }

    void setAll(std::initializer_list<std::pair<const char *, const char *>> values)
    {
        for (const auto &[name, value] : values)
            ASSERT_TRUE(clock.setField(name, value)) << name << "=" << value;
    }

    system_clock::time_point now = sys_days{year{2021} / 1 / 31} + hours{8};
    PrinterClock clock{[this] {
        return now;
    }};
};

TEST_F(ClockTest, StartsAtTheHostTime)
{
    EXPECT_EQ(fields(), "2021 1 31 8 0 0 ");
}

TEST_F(ClockTest, RunsOn)
{
    now += seconds(3725);
    EXPECT_EQ(fields(), "2021 1 31 9 2 5 ");
    now += hours(16);
    EXPECT_EQ(fields(), "2021 2 1 1 2 5 ");
}

TEST_F(ClockTest, FieldsSetOneByOneGiveTheDateSentEvenThroughAnImpossibleDay)
{
    // From 31 January, setting February first makes 31 February for a moment.
    setAll({{"year", "2021"},
            {"month", "2"},
            {"date", "28"},
            {"hour", "0"},
            {"minute", "0"},
            {"second", "0"}});
    EXPECT_EQ(fields(), "2021 2 28 0 0 0 ");
    now += seconds(30);
    EXPECT_EQ(fields(), "2021 2 28 0 0 30 ");
}

TEST_F(ClockTest, ImpossibleDayRollsIntoTheNextMonthAtMidnight)
{
    setAll({{"month", "2"}, {"hour", "23"}, {"minute", "59"}, {"second", "59"}});
    EXPECT_EQ(fields(), "2021 2 31 23 59 59 ");
    now += seconds(1);
    EXPECT_EQ(fields(), "2021 3 4 0 0 0 ");
}

TEST_F(ClockTest, ValuesOutsideTheirRangeAreRefused)
{
    const std::vector<std::pair<std::string, std::string>> rows{
        {"month", "13"},  {"month", "0"},   {"date", "32"},   {"hour", "24"},
        {"minute", "60"}, {"second", "-1"}, {"year", "1999"}, {"year", "+2021"},
        {"second", ""},   {"minute", "5x"}, {"weekday", "1"}};
    for (const auto &[name, value] : rows)
        EXPECT_FALSE(clock.setField(name, value)) << name << "=" << value;
    EXPECT_EQ(fields(), "2021 1 31 8 0 0 ");
}

TEST_F(ClockTest, OffsetCarriesTheClockToAnotherPrinter)
{
    setAll({{"year", "2030"}});
    const seconds offset = clock.offset();
    now += hours(1);
    PrinterClock other([this] { return now; });
    other.setOffset(offset);
    EXPECT_EQ(*other.field("year"), "2030");
    EXPECT_EQ(*other.field("hour"), "9");
}

} // namespace
