#include "ParameterReader.h"
#include "ConfigFields.h"
#include "ParameterFile.h"
#include "ReadOrder.h"
#include "ServedReader.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace
{

const std::vector<std::string> &kReadOrder = ReadOrder::Full();

struct TextValue {
    const char *key;
    const char *text;
};
struct IndexValue {
    const char *key;
    int index;
};

// A factory-fresh PM44PRO FULL at 203 dpi, as the pages show it.
const std::vector<TextValue> kFactoryTexts = {{"txtVersion", "V10.02.01"},
                                              {"txtPrtL", "120"},
                                              {"txtPrtL1", "1250"},
                                              {"txtMaxiMumLen", "250"},
                                              {"txtZTearOff", "0"},
                                              {"Edit1", "250"},
                                              {"txtDColumnOffse", "0"},
                                              {"txtDRowOffset", "0"},
                                              {"Edit4", "0"},
                                              {"Edit5", "0"},
                                              {"Edit3", "832"},
                                              {"txtBTName", "PRINTER-BT"},
                                              {"txtBTPWD", "0000"},
                                              {"txtBTMAC1", "02"},
                                              {"txtBTMAC6", "03"},
                                              {"txtIP1", "10"},
                                              {"txtIP2", "0"},
                                              {"txtIP3", "20"},
                                              {"txtIP4", "222"},
                                              {"txtSN1", "255"},
                                              {"txtSN4", "0"},
                                              {"txtGate4", "1"},
                                              {"txtIPMAC3", "4D"},
                                              {"txtIPMAC6", "01"},
                                              {"txtWName", "PRINTER-AP"},
                                              {"txtWPWD", "12345678"},
                                              {"txtWIP3", "21"},
                                              {"txtWSN3", "255"},
                                              {"txtWGate4", "1"},
                                              {"txtWMAC6", "02"}};
const std::vector<IndexValue> kFactoryIndexes = {
    {"cmbRibbon", 0},   {"cmbZPrintMode", 0}, {"cbxLabelTypeLock", 1}, {"cmbPaperSensor", 0},
    {"ComboBox2", 0},   {"ComboBox3", 0},     {"cmbZMediaPowerUp", 0}, {"cmbZHeadClose", 0},
    {"ComboBox8", -1},  {"ComboBox4", 15},    {"ComboBox5", 2},        {"cmbDControlCodes", 0},
    {"ComboBox1", 8},   {"ComboBox6", 2},     {"ComboBox7", 0},        {"cmbPresentSensor", 0},
    {"cmbBaudRate", 2}, {"cmbDataBits", 1},   {"cmbParity", 0},        {"cmbStopBits", 0},
    {"cmbFlow", 0},     {"cmbDHCP", 0},       {"cmbWPWDType", 0},      {"ComboBox9", 0},
    {"cmbWDHCP", 0}};

class FullRead : public ServedReader
{
protected:
    ReadOutcome readAll(bool serviceMode = false)
    {
        ParameterReader reader(link, protocol, serviceMode);
        return reader.ReadAll(state, [this](const FieldUpdate &update) { model.apply(update); });
    }

    ReadState state;
};

TEST_F(FullRead, AsksInTheOrderOfTheStepsAndFillsEveryPage)
{
    serve();
    EXPECT_EQ(readAll(), ReadOutcome{});
    EXPECT_EQ(api.writes, ReadOrder::Frames(kReadOrder));
    EXPECT_EQ(state.ReadProgress, 50);
    EXPECT_TRUE(state.Stopped);
    EXPECT_EQ(model.Resolution(), "203");
    for (const TextValue &value : kFactoryTexts)
        EXPECT_EQ(model.text(value.key), value.text) << value.key;
    for (const IndexValue &value : kFactoryIndexes)
        EXPECT_EQ(model.index(value.key), value.index) << value.key;
    EXPECT_FALSE(model.isEnabled("txtWIP1")) << "working mode ap";
}

TEST_F(FullRead, ConvertsLengthsBy300DotsAndShowsTheChangedValues)
{
    serve({{"dpi", "300"},
           {"paper_height", "1000"},
           {"tear_off", "-12"},
           {"max_length", "400"},
           {"media_sensor", "black_mark"},
           {"print_mode", "peel"},
           {"direction", "zb"},
           {"com_parity", "even"},
           {"com_flow", "rts/cts"},
           {"control_codes", "alternate-2"},
           {"wlan_mod", "sta"},
           {"wlan_dhcp", "off"},
           {"eth_ip", "192.168.100.250"}});
    ASSERT_EQ(readAll(true), ReadOutcome{});
    EXPECT_EQ(model.Resolution(), "300");
    EXPECT_EQ(model.index("ComboBox8"), 1);
    EXPECT_EQ(model.text("txtMaxiMumLen"), "85");
    EXPECT_EQ(model.text("txtZTearOff"), "-12");
    EXPECT_EQ(model.text("Edit1"), "400");
    EXPECT_EQ(model.index("cmbPaperSensor"), 1);
    EXPECT_EQ(model.index("cmbZPrintMode"), 2);
    EXPECT_EQ(model.index("cmbPresentSensor"), 1);
    EXPECT_EQ(model.index("cmbParity"), 2);
    EXPECT_EQ(model.index("cmbFlow"), 1);
    EXPECT_EQ(model.index("cmbDControlCodes"), -1) << "the list offers two entries";
    EXPECT_EQ(model.index("ComboBox9"), 1);
    EXPECT_EQ(model.index("cmbWDHCP"), 1);
    EXPECT_TRUE(model.isEnabled("txtWIP1")) << "the read runs the working mode's handler";
    EXPECT_EQ((QStringList{model.text("txtIP1"), model.text("txtIP2"), model.text("txtIP3"),
                           model.text("txtIP4")}),
              (QStringList{"192", "168", "100", "250"}));
}

struct VersionCase {
    const char *version;
    bool asksForTheLock;
};

class LabelTypeLock : public FullRead, public ::testing::WithParamInterface<VersionCase>
{
};

TEST_P(LabelTypeLock, IsReadOnlyFromFirmware10_1_57)
{
    serve({{"version", GetParam().version}, {"sns_lock", "on"}});
    ASSERT_EQ(readAll(), ReadOutcome{});
    std::vector<std::string> order = kReadOrder;
    if (!GetParam().asksForTheLock)
        order.erase(std::find(order.begin(), order.end(), "sns_lock"));
    EXPECT_EQ(api.writes, ReadOrder::Frames(order));
    EXPECT_EQ(model.index("cbxLabelTypeLock"), GetParam().asksForTheLock ? 0 : -1);
    EXPECT_EQ(state.ReadProgress, int(order.size()));
}

INSTANTIATE_TEST_SUITE_P(Versions, LabelTypeLock,
                         ::testing::Values(VersionCase{"V10.1.D57", true},
                                           VersionCase{"V10.1.D56", false},
                                           VersionCase{"V9.9.D99", false},
                                           VersionCase{"V11.0.D1", true}));

TEST_F(FullRead, AVersionThatIsNoNumberEndsTheReadAfterAsking)
{
    serve({{"version", "V10.x.D57"}});
    EXPECT_EQ(readAll(), (ReadOutcome{ReadOutcome::Result::ConversionError, "V10.x.D57"}));
    const std::vector<std::string> asked(kReadOrder.begin(), kReadOrder.begin() + 8);
    EXPECT_EQ(api.writes, ReadOrder::Frames(asked));
    EXPECT_EQ(model.text("txtMaxiMumLen"), "250") << "shown before the failure";
    EXPECT_TRUE(state.Stopped);
}

TEST_F(FullRead, MacAddressesOfTheWrongLengthLeaveTheFieldsAlone)
{
    serve({{"bt_mac", "0250AB000003"}, {"eth_mac", "02-50-4D-00-00-01"}});
    for (int part = 1; part <= 6; ++part) {
        model.setText("txtBTMAC" + QString::number(part), "kept");
        model.setText("txtIPMAC" + QString::number(part), "kept");
    }
    ASSERT_EQ(readAll(), ReadOutcome{});
    for (int part = 1; part <= 6; ++part)
        EXPECT_EQ(model.text("txtBTMAC" + QString::number(part)), "kept");
    EXPECT_EQ(model.text("txtIPMAC1"), "02-50-4D-00-00-01") << "one part, filled as far as it goes";
    EXPECT_EQ(model.text("txtIPMAC2"), "kept");
}

TEST_F(FullRead, AnUnansweredQueryEndsTheReadAndKeepsWhatWasShown)
{
    serve({}, ReadOrder::SilentFrom(kReadOrder, "wlan_encry"));
    model.setIndex("cmbWPWDType", 2);
    EXPECT_EQ(readAll(), (ReadOutcome{ReadOutcome::Result::Unanswered, "\"wlan_encry\""}));
    EXPECT_EQ(model.text("txtWName"), "PRINTER-AP");
    EXPECT_EQ(model.text("txtIPMAC6"), "01");
    EXPECT_EQ(model.index("cmbWPWDType"), 2);
    EXPECT_EQ(model.text("txtWPWD"), "");
    EXPECT_TRUE(state.Stopped);
}

TEST_F(FullRead, AParameterFileOfTheReadLoadsAsTheReadShowedIt)
{
    serve({{"bt_name", " Shop 7 "}, {"dpi", "300"}, {"label_width", "1180"}});
    ASSERT_EQ(readAll(), ReadOutcome{});
    ParameterReader(link, protocol, false).ReadZPage([this](const FieldUpdate &update) {
        model.apply(update);
    });
    QTemporaryDir folder;
    ASSERT_EQ(ParameterFile::Save(model, folder.filePath("a.prt")), std::nullopt);
    ConfigModel loaded;
    ASSERT_EQ(ParameterFile::Load(folder.filePath("a.prt"), loaded), std::nullopt);
    for (const ConfigField &field : ConfigFields::all()) {
        if (field.fileKey.isEmpty())
            continue;
        EXPECT_EQ(loaded.text(field.key), model.text(field.key)) << field.key.toStdString();
        EXPECT_EQ(loaded.index(field.key), model.index(field.key)) << field.key.toStdString();
    }
    EXPECT_EQ(loaded.text("txtBTName"), " Shop 7 ");
    EXPECT_EQ(loaded.text("txtLabelWidth"), "100");
}

class ZPageRead : public ServedReader
{
protected:
    ReadOutcome readZPage()
    {
        ParameterReader reader(link, protocol, false);
        return reader.ReadZPage([this](const FieldUpdate &update) { model.apply(update); });
    }

    const std::vector<std::string> order = {"dpi", "label_width", "align_center", "darkness",
                                            "print_speed"};
};

TEST_F(ZPageRead, AsksForTheResolutionAndTheFourValues)
{
    serve();
    EXPECT_EQ(readZPage(), ReadOutcome{});
    EXPECT_EQ(api.writes, ReadOrder::Frames(order));
    EXPECT_EQ(model.text("txtLabelWidth"), "104");
    EXPECT_EQ(model.text("lblLabelWidthRange"), "(1~104mm)");
    EXPECT_EQ(model.index("cbxAlignCenter"), 0);
    EXPECT_EQ(model.index("cbxDensityZ"), 15);
    EXPECT_EQ(model.index("cbxSpeedZ"), 2);
}

TEST_F(ZPageRead, At300DotsShowsTheWiderRange)
{
    serve({{"dpi", "300"}, {"label_width", "1180"}, {"align_center", "on"}, {"print_speed", "2"}});
    EXPECT_EQ(readZPage(), ReadOutcome{});
    EXPECT_EQ(model.text("txtLabelWidth"), "100");
    EXPECT_EQ(model.text("lblLabelWidthRange"), "(1~108mm)");
    EXPECT_EQ(model.index("cbxAlignCenter"), 1);
    EXPECT_EQ(model.index("cbxSpeedZ"), 0);
}

TEST_F(ZPageRead, TheFirstUnansweredQuerySkipsTheRest)
{
    serve({}, ReadOrder::SilentFrom(order, "label_width"));
    model.setText("txtLabelWidth", "kept");
    EXPECT_EQ(readZPage(), (ReadOutcome{ReadOutcome::Result::Unanswered, "\"label_width\""}));
    EXPECT_EQ(model.text("txtLabelWidth"), "kept");
    EXPECT_EQ(model.text("lblLabelWidthRange"), "(1~104mm)");
    EXPECT_EQ(model.index("cbxDensityZ"), -1);
}

} // namespace
