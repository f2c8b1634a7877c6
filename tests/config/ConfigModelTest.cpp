#include "ConfigModel.h"
#include "ConfigFields.h"

#include <QSet>

#include <gtest/gtest.h>

namespace
{

QStringList addressFields(const QString &prefix)
{
    QStringList keys;
    for (const char *kind : {"IP", "SN", "Gate"})
        for (int part = 1; part <= 4; ++part)
            keys << prefix + kind + QString::number(part);
    return keys;
}

TEST(ConfigModel, StartsEmptyWithOnlyTheReadButtonsEnabled)
{
    ConfigModel model;
    EXPECT_EQ(model.index("cmbRibbon"), -1);
    EXPECT_EQ(model.text("txtBTName"), "");
    EXPECT_TRUE(model.isEnabled(ConfigModel::btnGet));
    EXPECT_TRUE(model.isEnabled(ConfigModel::btnGet_tabZ));
    EXPECT_FALSE(model.isEnabled(ConfigModel::btnSet));
    EXPECT_FALSE(model.isEnabled(ConfigModel::btnSet_tabZ));
    EXPECT_FALSE(model.isEnabled("txtVersion"));
    EXPECT_TRUE(model.isEnabled("txtBTName"));
}

TEST(ConfigModel, AnnouncesEveryChangeOnceAndIgnoresUnknownKeys)
{
    ConfigModel model;
    QStringList texts;
    QObject::connect(&model, &ConfigModel::textChanged,
                     [&](const QString &key, const QString &text) { texts << key + '=' + text; });
    QStringList indexes;
    QObject::connect(&model, &ConfigModel::indexChanged, [&](const QString &key, int index) {
        indexes << key + '=' + QString::number(index);
    });
    model.setText("txtBTName", "Shop 7");
    model.setText("txtBTName", "Shop 7");
    model.setText("noSuchField", "x");
    model.setIndex("cmbPaperSensor", 1);
    model.setIndex("cmbPaperSensor", 1);
    EXPECT_EQ(texts, QStringList{"txtBTName=Shop 7"});
    EXPECT_EQ(indexes, QStringList{"cmbPaperSensor=1"});
    EXPECT_EQ(model.text("noSuchField"), "");
}

struct PositionCase {
    const char *key;
    int index;
    int kept;
};

class Positions : public ::testing::TestWithParam<PositionCase>
{
};

TEST_P(Positions, OutsideTheListLeaveNoSelection)
{
    ConfigModel model;
    model.setIndex(GetParam().key, GetParam().index);
    EXPECT_EQ(model.index(GetParam().key), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, Positions,
    ::testing::Values(PositionCase{"cmbDControlCodes", 1, 1},
                      PositionCase{"cmbDControlCodes", 2, -1}, PositionCase{"ComboBox4", 30, 30},
                      PositionCase{"ComboBox4", 31, -1}, PositionCase{"cmbBaudRate", 6, 6},
                      PositionCase{"cmbBaudRate", 7, -1}, PositionCase{"cmbZHeadClose", -5, -1}));

struct WordCase {
    const char *key;
    int index;
    const char *value; // nullptr: nothing to send
};

class PrinterValues : public ::testing::TestWithParam<WordCase>
{
};

TEST_P(PrinterValues, AreWordsOrEntryTextsNeverCaptions)
{
    ConfigModel model;
    model.setIndex(GetParam().key, GetParam().index);
    const QString value = model.PrinterValue(GetParam().key);
    if (GetParam().value)
        EXPECT_EQ(value, GetParam().value);
    else
        EXPECT_TRUE(value.isNull());
}

INSTANTIATE_TEST_SUITE_P(
    Lists, PrinterValues,
    ::testing::Values(WordCase{"cmbWDHCP", 0, "on"}, WordCase{"cmbWDHCP", 1, "off"},
                      WordCase{"cbxAlignCenter", 1, "on"}, WordCase{"ComboBox2", 1, "no"},
                      WordCase{"cmbWPWDType", 2, "wep2"}, WordCase{"cmbParity", 2, "Even"},
                      WordCase{"cmbPresentSensor", 1, "ZB"}, WordCase{"ComboBox8", 1, "300"},
                      WordCase{"cmbWDHCP", -1, nullptr}, WordCase{"cmbBaudRate", -1, nullptr}));

TEST(NetworkEnabling, EthernetAddressesFollowTheAutomaticAddressList)
{
    ConfigModel model;
    for (int index : {1, 0, -1, 1}) {
        model.setIndex("cmbDHCP", index);
        model.cmbDHCPChange();
        for (const QString &key : addressFields("txt"))
            EXPECT_EQ(model.isEnabled(key), index == 1) << key.toStdString() << " " << index;
    }
    EXPECT_TRUE(model.isEnabled("txtIPMAC1") == false);
}

TEST(NetworkEnabling, WirelessFieldsFollowTheWorkingMode)
{
    ConfigModel model;
    EXPECT_FALSE(model.isEnabled("cmbWDHCP"));
    for (int index : {1, 0, 1}) {
        model.setIndex("ComboBox9", index);
        model.cmbWDHCPChange();
        EXPECT_EQ(model.isEnabled("cmbWDHCP"), index == 1);
        for (const QString &key : addressFields("txtW"))
            EXPECT_EQ(model.isEnabled(key), index == 1) << key.toStdString();
    }
}

TEST(NetworkEnabling, SelectingAloneDoesNotRunTheHandlers)
{
    ConfigModel model;
    model.setIndex("cmbDHCP", 1);
    model.setIndex("ComboBox9", 1);
    EXPECT_FALSE(model.isEnabled("txtIP1"));
    EXPECT_FALSE(model.isEnabled("txtWIP1"));
    model.apply(FieldUpdate::WirelessModeChange());
    EXPECT_TRUE(model.isEnabled("txtWIP1"));
    EXPECT_FALSE(model.isEnabled("txtIP1"));
}

class PageSwitching : public ::testing::Test
{
protected:
    void setButtons(bool get, bool set)
    {
        model.setEnabled(ConfigModel::btnGet, get);
        model.setEnabled(ConfigModel::btnSet, set);
    }
    std::pair<bool, bool> buttons() const
    {
        return {model.isEnabled(ConfigModel::btnGet), model.isEnabled(ConfigModel::btnSet)};
    }

    ConfigModel model;
};

TEST_F(PageSwitching, TheZPageDisablesBothButtonsAndLeavingRestoresThem)
{
    for (const auto &[get, set] : {std::pair{true, true}, std::pair{true, false},
                                   std::pair{false, true}, std::pair{false, false}}) {
        setButtons(get, set);
        model.stbSSChange("tabZ");
        EXPECT_EQ(buttons(), std::pair(false, false));
        model.stbSSChange("tabRS232");
        EXPECT_EQ(buttons(), std::pair(get, set));
    }
}

TEST_F(PageSwitching, OtherPagesRestoreWhatWasRememberedAtStart)
{
    setButtons(true, true);
    model.stbSSChange("tabD");
    EXPECT_EQ(buttons(), std::pair(true, false));
    setButtons(true, true);
    model.RememberButtonStates();
    model.stbSSChange("tabNet");
    EXPECT_EQ(buttons(), std::pair(true, true));
}

TEST_F(PageSwitching, ASuccessfulReadOrAFileLoadIsRememberedForTheSetButton)
{
    model.BeginRead();
    EXPECT_EQ(buttons(), std::pair(false, false));
    model.EndRead(true);
    EXPECT_EQ(buttons(), std::pair(true, true));
    model.stbSSChange("tabBT");
    EXPECT_EQ(buttons(), std::pair(true, true));

    model.BeginRead();
    model.EndRead(false);
    EXPECT_EQ(buttons(), std::pair(true, true));
    model.stbSSChange("tabBT");
    EXPECT_EQ(buttons(), std::pair(true, false));

    model.FileLoaded();
    EXPECT_TRUE(model.isEnabled(ConfigModel::btnSet_tabZ));
    model.stbSSChange("tabWifi");
    EXPECT_EQ(buttons(), std::pair(true, true));
}

TEST_F(PageSwitching, AReadEndingOnTheZPageLeavesItsButtonsOffUntilTheWayBack)
{
    model.BeginRead();
    model.stbSSChange("tabZ");
    model.EndRead(true);
    EXPECT_EQ(buttons(), std::pair(false, false));
    model.FileLoaded();
    EXPECT_EQ(buttons(), std::pair(false, false));
    model.stbSSChange("tabComSet");
    EXPECT_EQ(buttons(), std::pair(true, true));
}

TEST(ConfigFieldTable, KeysAreUniqueAndEveryPartedValueHasAllItsParts)
{
    QSet<QString> keys;
    for (const ConfigField &field : ConfigFields::all()) {
        EXPECT_FALSE(keys.contains(field.key)) << field.key.toStdString();
        keys.insert(field.key);
    }
    for (const char *parameter : {"\"eth_ip\"", "\"wlan_gateway\""})
        EXPECT_EQ(ConfigFields::parts(parameter).size(), 4u);
    for (const char *parameter : {"\"bt_mac\"", "\"eth_mac\"", "\"wlan_mac\""})
        EXPECT_EQ(ConfigFields::parts(parameter).size(), 6u);
}

} // namespace
