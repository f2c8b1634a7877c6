#include "ValueWords.h"

#include <gtest/gtest.h>

namespace
{

struct ReadCase {
    ValueWords::List list;
    const char *reply;
    std::optional<int> index;
};

class ValueWordsRead : public ::testing::TestWithParam<ReadCase>
{
};

TEST_P(ValueWordsRead, SelectsTheFirstExactMatchOrTheFirstEntry)
{
    EXPECT_EQ(ValueWords::indexOf(GetParam().list, GetParam().reply), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(Replies, ValueWordsRead,
                         ::testing::Values(ReadCase{ValueWords::MediaSensor, "black_mark", 1},
                                           ReadCase{ValueWords::MediaSensor, "BLACK_MARK", 0},
                                           ReadCase{ValueWords::MediaSensor, "continuous", 2},
                                           ReadCase{ValueWords::MediaSensor, "unknown", 0},
                                           ReadCase{ValueWords::AlignCenter, "on", 1},
                                           ReadCase{ValueWords::OnOff, "on", 0},
                                           ReadCase{ValueWords::OnOff, "off", 1},
                                           ReadCase{ValueWords::SensorAction, "calibation", 1},
                                           ReadCase{ValueWords::ControlCodes, "alternate-2", 2},
                                           ReadCase{ValueWords::WlanMode, "sta", 1},
                                           ReadCase{ValueWords::PrintMethod, "direct_thermal", 1},
                                           ReadCase{ValueWords::OnOff, "", std::nullopt},
                                           ReadCase{ValueWords::OnOff, "on\r\n", 0}));

struct WriteCase {
    ValueWords::List list;
    int index;
    const char *word; // nullptr: no word
};

class ValueWordsWrite : public ::testing::TestWithParam<WriteCase>
{
};

TEST_P(ValueWordsWrite, GivesTheWordOrNothingOutsideTheList)
{
    const QString word = ValueWords::word(GetParam().list, GetParam().index);
    if (GetParam().word)
        EXPECT_EQ(word, GetParam().word);
    else
        EXPECT_TRUE(word.isNull());
}

INSTANTIATE_TEST_SUITE_P(Indexes, ValueWordsWrite,
                         ::testing::Values(WriteCase{ValueWords::SensorAction, 2, "none"},
                                           WriteCase{ValueWords::ControlCodes, 2, "alternate-2"},
                                           WriteCase{ValueWords::PrintMode, 0, "tear"},
                                           WriteCase{ValueWords::WlanEncryption, 2, "wep2"},
                                           WriteCase{ValueWords::TopOfFormBackup, 1, "disable"},
                                           WriteCase{ValueWords::YesNo, 1, "no"},
                                           WriteCase{ValueWords::OnOff, -1, nullptr},
                                           WriteCase{ValueWords::OnOff, 2, nullptr},
                                           WriteCase{ValueWords::AlignCenter, 1000, nullptr},
                                           WriteCase{static_cast<ValueWords::List>(3), 0,
                                                     nullptr}));

TEST(ValueWordsLists, EveryWordReadsBackToItsOwnIndex)
{
    for (const auto list :
         {ValueWords::OnOff, ValueWords::MediaSensor, ValueWords::SensorAction,
          ValueWords::ControlCodes, ValueWords::PrintMode, ValueWords::WlanEncryption,
          ValueWords::PrintMethod, ValueWords::TopOfFormBackup, ValueWords::YesNo,
          ValueWords::WlanMode, ValueWords::AlignCenter}) {
        const QStringList &words = ValueWords::words(list);
        ASSERT_FALSE(words.isEmpty()) << list;
        for (int i = 0; i < words.size(); ++i)
            EXPECT_EQ(ValueWords::indexOf(list, ValueWords::word(list, i)), i) << list;
    }
}

} // namespace
