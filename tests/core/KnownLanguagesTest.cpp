#include "KnownLanguages.h"
#include "QtSystemLanguage.h"

#include <gtest/gtest.h>

namespace
{

struct SwitchCase {
    const char *argument;
    const char *id;
};

class LanguageSwitchTest : public ::testing::TestWithParam<SwitchCase>
{
};

TEST_P(LanguageSwitchTest, PicksTheLanguageOfAnExactSwitch)
{
    EXPECT_EQ(KnownLanguages::IdOfSwitch(QString::fromUtf8(GetParam().argument)),
              QString::fromUtf8(GetParam().id));
}

INSTANTIATE_TEST_SUITE_P(Rows, LanguageSwitchTest,
                         ::testing::Values(SwitchCase{"-CN", "2052"}, SwitchCase{"-EN", "1033"},
                                           SwitchCase{"-TW", "1028"}, SwitchCase{"-ES", "1034"},
                                           SwitchCase{"-RU", "1049"}, SwitchCase{"-JP", "1041"},
                                           SwitchCase{"-PT", "1046"}, SwitchCase{"-FR", ""},
                                           SwitchCase{"-cn", ""}, SwitchCase{"CN", ""},
                                           SwitchCase{"", ""}, SwitchCase{"-Bench7x", ""}));

class SpanishVariantTest : public ::testing::TestWithParam<int>
{
};

TEST_P(SpanishVariantTest, CountsAsSpanish)
{
    EXPECT_EQ(KnownLanguages::MapSystemLanguage(GetParam()), 1034);
}

INSTANTIATE_TEST_SUITE_P(Rows, SpanishVariantTest,
                         ::testing::Values(1034, 2058, 3082, 4106, 5130, 6154, 7178, 8202, 9226,
                                           10250, 11274, 12298, 13322, 14346, 15370, 16394, 17418,
                                           18442, 19466, 20490));

struct MappingCase {
    int system;
    int mapped;
};

class SystemLanguageMappingTest : public ::testing::TestWithParam<MappingCase>
{
};

TEST_P(SystemLanguageMappingTest, MapsOrKeepsTheId)
{
    EXPECT_EQ(KnownLanguages::MapSystemLanguage(GetParam().system), GetParam().mapped);
}

INSTANTIATE_TEST_SUITE_P(Rows, SystemLanguageMappingTest,
                         ::testing::Values(MappingCase{2070, 1046}, MappingCase{3076, 1028},
                                           MappingCase{5124, 1028}, MappingCase{1033, 1033},
                                           MappingCase{2052, 2052}, MappingCase{4100, 4100},
                                           MappingCase{1031, 1031}, MappingCase{0, 0}));

TEST(KnownLanguagesTest, EveryLanguageButBrazilianPortugueseHasItsOwnTableFile)
{
    for (const char *id : {"2052", "1033", "1028", "1036", "1034", "1041", "1049"})
        EXPECT_TRUE(KnownLanguages::HasOwnTableFile(QString::fromLatin1(id))) << id;
    for (const char *id : {"1046", "2058", "", "103"})
        EXPECT_FALSE(KnownLanguages::HasOwnTableFile(QString::fromLatin1(id))) << id;
}

struct LocaleCase {
    const char *locale;
    int id;
};

class QtSystemLanguageTest : public ::testing::TestWithParam<LocaleCase>
{
};

TEST_P(QtSystemLanguageTest, GivesTheWindowsLanguageIdOfTheLocale)
{
    const QtSystemLanguage system{QLocale(QString::fromLatin1(GetParam().locale))};
    EXPECT_EQ(system.DefaultLanguageId(), GetParam().id);
}

INSTANTIATE_TEST_SUITE_P(Rows, QtSystemLanguageTest,
                         ::testing::Values(LocaleCase{"en_US", 1033}, LocaleCase{"en_GB", 2057},
                                           LocaleCase{"zh_CN", 2052}, LocaleCase{"zh_TW", 1028},
                                           LocaleCase{"zh_HK", 3076}, LocaleCase{"es_ES", 3082},
                                           LocaleCase{"es_MX", 2058}, LocaleCase{"es_AR", 11274},
                                           LocaleCase{"pt_BR", 1046}, LocaleCase{"pt_PT", 2070},
                                           LocaleCase{"ru_RU", 1049}, LocaleCase{"ja_JP", 1041},
                                           LocaleCase{"fr_FR", 1036}, LocaleCase{"fr_CA", 3084},
                                           LocaleCase{"en_ZA", 1033}, LocaleCase{"ru_UA", 1049},
                                           LocaleCase{"sw_KE", 1033}));

TEST(QtSystemLanguageTest, NamesTheLanguageOfAnId)
{
    const QtSystemLanguage system{QLocale(QStringLiteral("en_US"))};
    EXPECT_EQ(system.LanguageName(1034), QStringLiteral("Spanish (Spain)"));
    EXPECT_EQ(system.LanguageName(99999), QString());
    EXPECT_EQ(system.LanguageName(2058), QStringLiteral("Spanish (Mexico)"));
    EXPECT_EQ(system.LanguageName(1033), QStringLiteral("English (United States)"));
}

} // namespace
