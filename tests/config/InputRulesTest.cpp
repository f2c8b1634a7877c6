#include "InputRules.h"
#include "ConfigFields.h"

#include <gtest/gtest.h>

namespace
{

struct KeyCase {
    int key;
    bool digits;
    bool signedDigits;
};

class KeyFilters : public ::testing::TestWithParam<KeyCase>
{
};

TEST_P(KeyFilters, LetDigitsAndEditingKeysThrough)
{
    EXPECT_EQ(InputRules::CheckImportNumber(GetParam().key), GetParam().digits);
    EXPECT_EQ(InputRules::CheckImportSignedNumber(GetParam().key), GetParam().signedDigits);
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyFilters,
                         ::testing::Values(KeyCase{'0', true, true}, KeyCase{'9', true, true},
                                           KeyCase{8, true, true}, KeyCase{13, true, true},
                                           KeyCase{127, true, true}, KeyCase{'-', false, true},
                                           KeyCase{'+', false, false}, KeyCase{'.', false, false},
                                           KeyCase{'a', false, false}, KeyCase{' ', false, false},
                                           KeyCase{9, false, false}, KeyCase{10, false, false},
                                           KeyCase{0x0660, false, false}));

struct FieldKeyCase {
    const char *field;
    int key;
    bool accepted;
};

class FieldFilters : public ::testing::TestWithParam<FieldKeyCase>
{
};

TEST_P(FieldFilters, FollowTheFieldsKind)
{
    EXPECT_EQ(InputRules::AcceptsKey(GetParam().field, GetParam().key), GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, FieldFilters,
    ::testing::Values(FieldKeyCase{"txtMaxiMumLen", '-', false}, FieldKeyCase{"Edit1", 'x', false},
                      FieldKeyCase{"Edit3", '5', true}, FieldKeyCase{"Edit4", '-', false},
                      FieldKeyCase{"Edit5", '-', false}, FieldKeyCase{"txtLabelWidth", '-', false},
                      FieldKeyCase{"txtBTPWD", 'a', false}, FieldKeyCase{"txtIP3", '.', false},
                      FieldKeyCase{"txtWGate4", '7', true}, FieldKeyCase{"txtSN1", '-', false},
                      FieldKeyCase{"txtZTearOff", '-', true},
                      FieldKeyCase{"txtDColumnOffse", '-', true},
                      FieldKeyCase{"txtDRowOffset", '-', true},
                      FieldKeyCase{"txtBTName", '-', true}, FieldKeyCase{"txtWPWD", '!', true},
                      FieldKeyCase{"noSuchField", 'x', true}));

struct ClampCase {
    const char *name;
    const char *field;
    const char *text;
    std::optional<QString> result;
};

class Clamping : public ::testing::TestWithParam<ClampCase>
{
};

TEST_P(Clamping, CutsValuesBackOnLeavingTheField)
{
    EXPECT_EQ(InputRules::CheckValue(GetParam().field, GetParam().text), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Clamping,
    ::testing::Values(ClampCase{"TearOffAbove", "txtZTearOff", "150", "120"},
                      ClampCase{"TearOffBelow", "txtZTearOff", "-121", "-120"},
                      ClampCase{"TearOffAtTheBound", "txtZTearOff", "120", "120"},
                      ClampCase{"TearOffInside", "txtZTearOff", "-7", "-7"},
                      ClampCase{"RowOffsetBelow", "txtDRowOffset", "-95", "-90"},
                      ClampCase{"RowOffsetAbove", "txtDRowOffset", "91", "90"},
                      ClampCase{"ColumnOffsetEmptied", "txtDColumnOffse", "", "0"},
                      ClampCase{"ColumnOffsetKeepsItsText", "txtDColumnOffse", "05", "05"},
                      ClampCase{"LoneMinusIsNoNumber", "txtDColumnOffse", "-", std::nullopt},
                      ClampCase{"HugeNumberIsNoNumber", "txtZTearOff", "99999999999", std::nullopt},
                      ClampCase{"UnboundFieldKeepsEmpty", "Edit1", "", ""},
                      ClampCase{"UnboundFieldKeepsItsValue", "Edit4", "5000", "5000"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(LengthLimits, BluetoothAndWirelessNamesAndPin)
{
    EXPECT_EQ(InputRules::MaxLength("txtBTName"), 16);
    EXPECT_EQ(InputRules::MaxLength("txtWName"), 16);
    EXPECT_EQ(InputRules::MaxLength("txtBTPWD"), 4);
    EXPECT_EQ(InputRules::MaxLength("txtWPWD"), 0);
    EXPECT_EQ(InputRules::MaxLength("Edit1"), 0);
}

struct NumberCase {
    const char *field;
    const char *text;
    bool number;
};

class NumbersForSending : public ::testing::TestWithParam<NumberCase>
{
};

TEST_P(NumbersForSending, AreWhatTheFilterCouldHaveTyped)
{
    EXPECT_EQ(InputRules::IsNumberFor(*ConfigFields::find(GetParam().field), GetParam().text),
              GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(
    Table, NumbersForSending,
    ::testing::Values(NumberCase{"Edit1", "250", true}, NumberCase{"Edit1", "", true},
                      NumberCase{"Edit1", "-5", false}, NumberCase{"Edit1", "2 5", false},
                      NumberCase{"Edit1", "12\n", false}, NumberCase{"txtMaxiMumLen", "1.5", false},
                      NumberCase{"txtZTearOff", "-", false}, NumberCase{"txtZTearOff", "-5", true},
                      NumberCase{"txtZTearOff", "", true}, NumberCase{"txtZTearOff", "5-", false},
                      NumberCase{"txtIP1", "a", false}, NumberCase{"txtBTName", "any text", true}));

} // namespace
