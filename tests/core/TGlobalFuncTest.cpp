#include "TGlobalFunc.h"
#include "FixedClock.h"
#include "ProcessFlags.h"
#include "RecordingDialogs.h"

#include <gtest/gtest.h>

namespace
{

TEST(TGlobalFuncTest, ShowInfoIsANoticeCaptionedInfo)
{
    RecordingDialogs dialogs;
    FixedClock clock;
    TGlobalFunc func(dialogs, clock);
    func.ShowInfo(QStringLiteral("done"));
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, QStringLiteral("done"));
    EXPECT_EQ(dialogs.boxes[0].caption, QStringLiteral("Info"));
    EXPECT_EQ(dialogs.boxes[0].icon, Dialogs::Icon::Information);
    EXPECT_FALSE(dialogs.boxes[0].question);
}

TEST(TGlobalFuncTest, AskOkCancelIsAQuestionOnTopAndTellsTheAnswer)
{
    RecordingDialogs dialogs;
    dialogs.answers = {true, false};
    FixedClock clock;
    TGlobalFunc func(dialogs, clock);
    EXPECT_TRUE(func.AskOkCancel(QStringLiteral("Enter DMode?")));
    EXPECT_FALSE(func.AskOkCancel(QStringLiteral("Enter DMode?")));
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(dialogs.boxes[0].caption, QStringLiteral("Warn"));
    EXPECT_EQ(dialogs.boxes[0].icon, Dialogs::Icon::Question);
    EXPECT_TRUE(dialogs.boxes[0].question);
    EXPECT_TRUE(dialogs.boxes[0].onTop);
}

TEST(TGlobalFuncTest, NowComesFromTheClock)
{
    RecordingDialogs dialogs;
    const QDateTime moment(QDate(2021, 10, 19), QTime(8, 0));
    FixedClock clock(moment);
    EXPECT_EQ(TGlobalFunc(dialogs, clock).Now(), moment);
}

struct UtcCase {
    const char *name;
    const char *zone;
    QDate date;
    QTime time;
    QDateTime expected;
    int bias;
};

const UtcCase kUtcCases[] = {
    {"EastOfGreenwich", "Asia/Shanghai", QDate(2021, 10, 19), QTime(8, 0),
     QDateTime(QDate(2021, 10, 19), QTime(0, 0), QTimeZone::utc()), -480},
    {"WestOfGreenwich", "America/Bogota", QDate(2021, 1, 1), QTime(20, 30),
     QDateTime(QDate(2021, 1, 2), QTime(1, 30), QTimeZone::utc()), 300},
    {"Greenwich", "UTC", QDate(2021, 3, 1), QTime(12, 0),
     QDateTime(QDate(2021, 3, 1), QTime(12, 0), QTimeZone::utc()), 0},
    {"SummerTimeUsesTheStandardBias", "Europe/Berlin", QDate(2021, 7, 1), QTime(12, 0),
     QDateTime(QDate(2021, 7, 1), QTime(11, 0), QTimeZone::utc()), -60},
    {"WinterTime", "Europe/Berlin", QDate(2021, 1, 1), QTime(12, 0),
     QDateTime(QDate(2021, 1, 1), QTime(11, 0), QTimeZone::utc()), -60},
};

class LocalToUtcTest : public ::testing::TestWithParam<UtcCase>
{
};

TEST_P(LocalToUtcTest, AddsTheZonesStandardBias)
{
    const UtcCase &row = GetParam();
    const QTimeZone zone(row.zone);
    ASSERT_TRUE(zone.isValid()) << row.zone;
    const auto result = TGlobalFunc::LocalToUtc(QDateTime(row.date, row.time, zone), zone);
    EXPECT_EQ(result.utc, row.expected);
    EXPECT_EQ(result.utc.offsetFromUtc(), 0);
    EXPECT_EQ(result.biasMinutes, row.bias);
}

INSTANTIATE_TEST_SUITE_P(Rows, LocalToUtcTest, ::testing::ValuesIn(kUtcCases),
                         [](const auto &info) { return std::string(info.param.name); });

struct FlagsCase {
    const char *name;
    QStringList arguments;
    bool factory;
    bool service;
};

const FlagsCase kFlagsCases[] = {
    {"NoArguments", {"prog"}, false, false},
    {"FactorySwitch", {"prog", "-Bench7x"}, true, false},
    {"ServiceSwitch", {"prog", "-Qlm4vud"}, false, true},
    {"FactorySwitchSecondIsIgnored", {"prog", "-EN", "-Bench7x"}, false, false},
    {"FactorySwitchInOtherCase", {"prog", "-bench7x"}, false, false},
    {"ServiceSwitchWithBlank", {"prog", "-Qlm4vud "}, false, false},
    {"LanguageSwitch", {"prog", "-CN"}, false, false},
};

class ProcessFlagsTest : public ::testing::TestWithParam<FlagsCase>
{
};

TEST_P(ProcessFlagsTest, OnlyTheExactFirstArgumentCounts)
{
    const auto flags = ProcessFlags::FromArguments(GetParam().arguments);
    EXPECT_EQ(flags.FactoryMode, GetParam().factory);
    EXPECT_EQ(flags.ServiceMode, GetParam().service);
    EXPECT_FALSE(flags.KeyCommandMode);
    EXPECT_EQ(flags.ZoneByte(), GetParam().factory ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Rows, ProcessFlagsTest, ::testing::ValuesIn(kFlagsCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
