#include "ModelNames.h"

#include <gtest/gtest.h>

namespace
{

struct NameCase {
    ModelNames::Id id;
    const char *text;
};

class ModelNamesTest : public ::testing::TestWithParam<NameCase>
{
};

TEST_P(ModelNamesTest, EachConstantGivesItsName)
{
    EXPECT_EQ(ModelNames::text(GetParam().id), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ModelNamesTest,
    ::testing::Values(NameCase{ModelNames::PM30, "PM30"}, NameCase{ModelNames::Orbis, "Orbis"},
                      NameCase{ModelNames::PM40, "PM40"}, NameCase{ModelNames::FeaturePM40, "PM40"},
                      NameCase{ModelNames::PM41, "PM41"}, NameCase{ModelNames::FeaturePM41, "PM41"},
                      NameCase{ModelNames::PM44ProFull, "PM44PRO FULL"},
                      NameCase{ModelNames::FeaturePM44ProFull, "PM44PRO FULL"},
                      NameCase{ModelNames::PM44Pro, "PM44PRO"},
                      NameCase{ModelNames::FeaturePM44Pro, "PM44PRO"},
                      NameCase{ModelNames::PM61, "PM61"}));

struct KindCase {
    ModelNames::Id id;
    int kind;
    const char *expected;
};

class ModelNamesKindTest : public ::testing::TestWithParam<KindCase>
{
};

TEST_P(ModelNamesKindTest, TheKindChoosesNameGivenTextOrOlderModel)
{
    EXPECT_EQ(ModelNames::text(GetParam().id, GetParam().kind, QStringLiteral("given")),
              QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ModelNamesKindTest,
    ::testing::Values(KindCase{ModelNames::PM31, 0, "PM31"}, KindCase{ModelNames::PM31, 2, "given"},
                      KindCase{ModelNames::PM31, 1, "PM12"}, KindCase{ModelNames::PM32, 0, "PM32"},
                      KindCase{ModelNames::PM32, 5, "PM12"}, KindCase{ModelNames::PM33, 0, "PM33"},
                      KindCase{ModelNames::PM33, 2, "given"},
                      KindCase{ModelNames::PM33, -1, "PM15"}));

} // namespace
