#include "ConfigConversions.h"

#include <gtest/gtest.h>

namespace
{

struct LengthCase {
    const char *name;
    const char *text;
    const char *resolution;
    std::optional<QString> expected;
};

class DotsToMillimetres : public ::testing::TestWithParam<LengthCase>
{
};

TEST_P(DotsToMillimetres, DividesByTheResolution)
{
    EXPECT_EQ(ConfigConversions::CTC(GetParam().text, GetParam().resolution), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DotsToMillimetres,
    ::testing::Values(LengthCase{"At203DropsTheFraction", "1000", "203", "125"},
                      LengthCase{"At203SevenDotsAreNoMillimetre", "7", "203", "0"},
                      LengthCase{"At203FifteenDotsAreOne", "15", "203", "1"},
                      LengthCase{"At300Rounds", "1000", "300", "85"},
                      LengthCase{"At300RoundsDown", "1005", "300", "85"},
                      LengthCase{"At300HalfGoesToEvenBelow", "5.9", "300", "0"},
                      LengthCase{"At300HalfGoesToEvenAbove", "17.7", "300", "2"},
                      LengthCase{"UnknownResolutionCountsAs203", "832", "", "104"},
                      LengthCase{"NegativeDropsTowardsZero", "-15", "203", "-1"},
                      LengthCase{"EmptyGivesEmpty", "", "300", QString()},
                      LengthCase{"LetterIsNoNumber", "12a", "203", std::nullopt},
                      LengthCase{"LoneMinusIsNoNumber", "-", "203", std::nullopt},
                      LengthCase{"DotAloneIsNoNumber", ".", "300", std::nullopt}),
    [](const auto &info) { return std::string(info.param.name); });

class MillimetresToDots : public ::testing::TestWithParam<LengthCase>
{
};

TEST_P(MillimetresToDots, MultipliesByTheResolution)
{
    EXPECT_EQ(ConfigConversions::UnCTC(GetParam().text, GetParam().resolution),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MillimetresToDots,
    ::testing::Values(LengthCase{"At203TimesEight", "125", "203", "1000"},
                      LengthCase{"At300TimesElevenPointEight", "85", "300", "1003"},
                      LengthCase{"At300RoundsUp", "1", "300", "12"},
                      LengthCase{"At300HalfGoesToEvenBelow", "7.5", "300", "88"},
                      LengthCase{"At300HalfGoesToEvenAbove", "2.5", "300", "30"},
                      LengthCase{"At203HalfGoesToEven", "0.0625", "203", "0"},
                      LengthCase{"EmptyStaysEmpty", "", "203", QString()},
                      LengthCase{"BlanksAroundAreAccepted", " 10 ", "203", "80"},
                      LengthCase{"LoneMinusIsNoNumber", "-", "300", std::nullopt},
                      LengthCase{"TooManyDigitsAreNoNumber", "1234567890123456", "203",
                                 std::nullopt}),
    [](const auto &info) { return std::string(info.param.name); });

struct VersionCase {
    const char *version;
    std::optional<bool> atLeast;
};

class Versions : public ::testing::TestWithParam<VersionCase>
{
};

TEST_P(Versions, KnowTheLabelTypeLockFrom10_1_57)
{
    EXPECT_EQ(ConfigConversions::VersionAtLeast(GetParam().version), GetParam().atLeast);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Versions,
    ::testing::Values(VersionCase{"V10.1.D57", true}, VersionCase{"V10.1.D56", false},
                      VersionCase{"V9.9.D99", false}, VersionCase{"V11.0.D1", true},
                      VersionCase{"V10.2.D0", true}, VersionCase{"v10.01.d57", true},
                      VersionCase{"V10.02.01", true}, VersionCase{"V10.01.07", false},
                      VersionCase{"V10.1", false}, VersionCase{"", false},
                      VersionCase{"V10.x.D57", std::nullopt}, VersionCase{"VA.1.D57", std::nullopt},
                      VersionCase{"V10.1.D57b", std::nullopt}));

struct SelectCase {
    const char *reply;
    int index;
};

class Selections : public ::testing::TestWithParam<SelectCase>
{
};

TEST_P(Selections, FindTheEntryWithoutRegardToCaseOrTakeTheFirst)
{
    EXPECT_EQ(ConfigConversions::SelectText({"None", "Odd", "Even"}, GetParam().reply),
              GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(Table, Selections,
                         ::testing::Values(SelectCase{"even", 2}, SelectCase{"ODD", 1},
                                           SelectCase{"None", 0}, SelectCase{"mark", 0},
                                           SelectCase{"", 0}, SelectCase{"even\r\n", 0}));

} // namespace
