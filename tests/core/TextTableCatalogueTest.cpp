#include "TextTableCatalogue.h"

#include <QSet>

#include <gtest/gtest.h>

namespace
{

QStringList keysOf(const QList<TextTableCatalogue::Lookup> &lookups)
{
    QStringList keys;
    for (const auto &lookup : lookups)
        keys << lookup.key;
    return keys;
}

TEST(TextTableCatalogueTest, Has719LookupsOf705Keys)
{
    const QStringList keys = keysOf(TextTableCatalogue::Lookups());
    EXPECT_EQ(keys.size(), 719);
    EXPECT_EQ(QSet<QString>(keys.begin(), keys.end()).size(), 705);
}

TEST(TextTableCatalogueTest, NumberedKeysAreTheOnesAskedOfTheLibrary)
{
    QSet<QString> numbered;
    QSet<QString> viaLibrary;
    for (const auto &lookup : TextTableCatalogue::Lookups()) {
        if (lookup.key.startsWith(QStringLiteral("Lang_All_")))
            numbered.insert(lookup.key);
        if (lookup.viaLibrary)
            viaLibrary.insert(lookup.key);
    }
    EXPECT_EQ(numbered.size(), 584);
    QSet<QString> expected = numbered;
    for (int item = 7; item <= 12; ++item)
        expected.insert(
            QStringLiteral("Lang_Pelko_000100%1_11").arg(item, 2, 10, QLatin1Char('0')));
    EXPECT_EQ(viaLibrary, expected);
}

TEST(TextTableCatalogueTest, KeepsTheLoadOrder)
{
    const QStringList keys = keysOf(TextTableCatalogue::Lookups());
    EXPECT_EQ(keys.first(), QStringLiteral("_MSG_Title_Message"));
    EXPECT_EQ(keys.last(), QStringLiteral("Lang_All_00210376_11"));
    const qsizetype ready = keys.indexOf(QStringLiteral("Lang_Word_WaitPrtReady"));
    EXPECT_EQ(keys.mid(ready, 6),
              (QStringList{"Lang_Word_WaitPrtReady", "Lang_All_00210215_11", "Lang_All_00210215_12",
                           "Lang_All_00210215_13", "Lang_All_00210215_14", "Lang_Word_Read"}));
    const qsizetype pelko = keys.indexOf(QStringLiteral("Lang_Pelko_00010001_11"));
    EXPECT_EQ(keys[pelko - 1], QStringLiteral("Lang_Word_IntelligentVar_22"));
    EXPECT_EQ(keys[pelko + 11], QStringLiteral("Lang_Pelko_00010012_11"));
    EXPECT_EQ(keys[pelko + 12], QStringLiteral("Lang_All_00010001_11"));
}

TEST(TextTableCatalogueTest, LoadsOneGroupTwiceInARow)
{
    const QStringList keys = keysOf(TextTableCatalogue::Lookups());
    const qsizetype first = keys.indexOf(QStringLiteral("Lang_All_00210216_11"));
    QStringList block;
    for (int item = 11; item <= 20; ++item)
        block << QStringLiteral("Lang_All_00210216_%1").arg(item);
    EXPECT_EQ(keys.mid(first, 20), block + block);
    EXPECT_EQ(keys[first + 20], QStringLiteral("Lang_All_00210217_11"));
}

struct GroupCase {
    const char *present;
    const char *absent;
};

class NumberedGroupTest : public ::testing::TestWithParam<GroupCase>
{
};

TEST_P(NumberedGroupTest, HoldsExactlyTheListedItems)
{
    const QStringList keys = keysOf(TextTableCatalogue::Lookups());
    EXPECT_TRUE(keys.contains(QString::fromLatin1(GetParam().present)));
    EXPECT_FALSE(keys.contains(QString::fromLatin1(GetParam().absent)));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NumberedGroupTest,
    ::testing::Values(GroupCase{"Lang_All_00210080_76", "Lang_All_00210080_13"},
                      GroupCase{"Lang_All_00210167_71", "Lang_All_00210167_11"},
                      GroupCase{"Lang_All_00210171_21", "Lang_All_00210171_18"},
                      GroupCase{"Lang_All_00210253_53", "Lang_All_00210253_21"},
                      GroupCase{"Lang_All_00210129_51", "Lang_All_00210129_25"},
                      GroupCase{"Lang_All_00010025_11", "Lang_All_00010016_11"},
                      GroupCase{"Lang_All_00210258_15", "Lang_All_00210258_11"}));

} // namespace
