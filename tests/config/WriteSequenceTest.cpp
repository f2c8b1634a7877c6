#include "CommandProtocol.h"
#include "ConfigField.h"
#include "ConfigMessages.h"
#include "ConfigModel.h"
#include "ConfigWriter.h"
#include "FakePrinterApi.h"
#include "HostFrames.h"
#include "PrinterLink.h"
#include "RecordingMessages.h"
#include "RecordingSleeper.h"
#include "SampleModel.h"
#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{

using Result = ConfigWriter::Result;

QByteArray set(const char *name, const char *value)
{
    return QByteArray::fromStdString(HostFrames::setval(name, value));
}

QString bracketed(const QString &key)
{
    return '[' + key + ']';
}

class WriteSequence : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(link.CreatePrinter(), 0);
        SampleModel::Fill(model);
        api.reads = {{0, "V10.02.01"}};
        dialogs.moment = [this] {
            return int(api.calls.size());
        };
    }

    Result write(bool serviceMode = false) { return writer.btnSetClick(model, serviceMode); }

    // The value a setval for the name carried, or nothing when none went out.
    std::optional<QByteArray> sent(const char *name) const
    {
        const QByteArray start =
            QByteArray::fromStdString(HostFrames::prefix()) + "setval \"" + name + "\" \"";
        for (const QByteArray &frame : api.writes()) {
            if (frame.startsWith(start))
                return frame.mid(start.size(), frame.size() - start.size() - 3);
        }
        return std::nullopt;
    }

    FakePrinterApi api;
    RecordingSleeper sleeper;
    RecordingMessages linkMessages;
    PrinterLink link{api, sleeper, linkMessages};
    CommandProtocol protocol{link};
    ScriptedDialogs dialogs;
    ConfigMessages messages{dialogs, bracketed};
    ConfigWriter writer{link, protocol, messages};
    ConfigModel model;
};

TEST_F(WriteSequence, SendsEveryPageInOrderByteForByteAndRestarts)
{
    EXPECT_EQ(write(), Result::Written);
    const std::vector<QByteArray> expected = {
        set("print_method", "direct_thermal"),
        set("print_mode", "cutter"),
        set("paper_height", "1003"),
        QByteArray::fromStdString(HostFrames::getval("version")),
        set("sns_lock", "on"),
        set("media_sensor", "gap"),
        set("tear_off", "-12"),
        set("max_length", "400"),
        set("heat_sw", "no"),
        set("speed_sw", "yes"),
        set("media_power_up", "none"),
        set("head_close", "calibation"),
        set("darkness", "20"),
        set("print_speed", "2"),
        set("control_codes", "alternate"),
        set("column_offset", "-90"),
        set("row_offset", "5"),
        set("density", "3"),
        set("speed", "3"),
        set("top_of_form_backup", "disable"),
        set("reference_x", "16"),
        set("reference_y", "24"),
        set("direction", "zb"),
        set("paper_width", "800"),
        set("com_baud", "115200"),
        set("com_wordlength", "7"),
        set("com_parity", "odd"),
        set("com_stopbits", "2"),
        set("com_flow", "rts/cts"),
        set("bt_pwd", "1234"),
        set("eth_dhcp", "off"),
        set("eth_ip", "192.168.1.50"),
        set("eth_gateway", "192.168.1.1"),
        set("wlan_ssid", "Shop WLAN"),
        set("wlan_encry", "wep1"),
        set("wlan_key", "Secret-Key"),
        set("wlan_mod", "sta"),
        set("wlan_dhcp", "off"),
        set("wlan_ip", "10.1.2.3"),
        set("wlan_mask", "255.255.0.0"),
        set("wlan_gateway", "10.1.2.254"),
        QByteArray::fromStdString(HostFrames::doCommand({"reset_printer"}))};
    EXPECT_EQ(api.writes(), expected);

    QStringList functions = api.functions();
    EXPECT_EQ(functions.mid(0, 6), (QStringList{"PrinterCreator", "PortOpen", "WriteData",
                                                "WriteData", "WriteData", "WriteData"}));
    EXPECT_EQ(functions.at(6), "ReadDataEOF");
    EXPECT_EQ(functions.mid(functions.size() - 6),
              (QStringList{"PortOpen", "WriteData", "PortClose", "PrinterDestroy", "PortClose",
                           "PrinterDestroy"}));
    EXPECT_EQ(sleeper.waits, std::vector<int>{100});

    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(dialogs.boxes[0].text, "[MsgBoxPaperSensor]");
    EXPECT_EQ(dialogs.boxes[0].caption, "[_MSG_Title_Message]");
    EXPECT_EQ(dialogs.boxes[0].icon, Dialogs::Icon::Information);
    EXPECT_EQ(dialogs.boxes[0].moment, int(functions.size()) - 6) << "before the restart";
    EXPECT_EQ(dialogs.boxes[1].text, "[msgSRP]\r\n[msgSRP1]");
    EXPECT_EQ(dialogs.boxes[1].icon, Dialogs::Icon::Information);
    EXPECT_TRUE(linkMessages.errors.isEmpty());
}

struct VariantCase {
    const char *name;
    std::function<void(ConfigModel &, FakePrinterApi &)> change;
    bool serviceMode;
    // Each parameter with the value it carries, or nullptr for none sent.
    std::vector<std::pair<const char *, const char *>> sent;
};

class WriteVariants : public WriteSequence, public ::testing::WithParamInterface<VariantCase>
{
};

TEST_P(WriteVariants, SendWhatTheStateAsksFor)
{
    GetParam().change(model, api);
    EXPECT_EQ(write(GetParam().serviceMode), Result::Written);
    for (const auto &[name, value] : GetParam().sent) {
        if (value)
            EXPECT_EQ(sent(name), QByteArray(value)) << name;
        else
            EXPECT_EQ(sent(name), std::nullopt) << name;
    }
    EXPECT_EQ(api.writes().back(),
              QByteArray::fromStdString(HostFrames::doCommand({"reset_printer"})));
}

INSTANTIATE_TEST_SUITE_P(
    States, WriteVariants,
    ::testing::Values(
        VariantCase{"AutomaticAddressSendsNoEthernetAddress",
                    [](ConfigModel &m, FakePrinterApi &) {
                        m.setIndex("cmbDHCP", 0);
                        m.setText("txtSN3", "255");
                    },
                    false,
                    {{"eth_dhcp", "on"},
                     {"eth_ip", nullptr},
                     {"eth_mask", nullptr},
                     {"eth_gateway", nullptr}}},
        VariantCase{
            "ManualAddressSkipsOnlyTheIncompleteAddress",
            [](ConfigModel &m, FakePrinterApi &) {
                m.setText("txtIP2", " ");
                m.setText("txtSN3", "255");
            },
            false,
            {{"eth_ip", nullptr}, {"eth_mask", "255.255.255.0"}, {"eth_gateway", "192.168.1.1"}}},
        VariantCase{"AccessPointSendsNoWirelessAddressing",
                    [](ConfigModel &m, FakePrinterApi &) { m.setIndex("ComboBox9", 0); },
                    false,
                    {{"wlan_mod", "ap"},
                     {"wlan_dhcp", nullptr},
                     {"wlan_ip", nullptr},
                     {"wlan_mask", nullptr},
                     {"wlan_gateway", nullptr}}},
        VariantCase{"StationSendsTheWordForAutomaticAddress",
                    [](ConfigModel &m, FakePrinterApi &) { m.setIndex("cmbWDHCP", 0); },
                    false,
                    {{"wlan_dhcp", "on"}, {"wlan_ip", "10.1.2.3"}}},
        VariantCase{
            "BluetoothNameWithInnerBlanksGoesOutExactly",
            [](ConfigModel &m, FakePrinterApi &) { m.setText("txtBTName", " My Printer "); },
            false,
            {{"bt_name", " My Printer "}}},
        VariantCase{"BlankPinAndKeyAreNotSent",
                    [](ConfigModel &m, FakePrinterApi &) {
                        m.setText("txtBTPWD", "");
                        m.setText("txtWPWD", "  ");
                    },
                    false,
                    {{"bt_pwd", nullptr}, {"wlan_key", nullptr}, {"wlan_ssid", "Shop WLAN"}}},
        VariantCase{"OldFirmwareLeavesTheLockAlone",
                    [](ConfigModel &, FakePrinterApi &api) {
                        api.reads = {{0, "V10.1.D56"}};
                    },
                    false,
                    {{"sns_lock", nullptr}, {"media_sensor", "gap"}}},
        VariantCase{"AVersionThatIsNoNumberLeavesTheLockAlone",
                    [](ConfigModel &, FakePrinterApi &api) {
                        api.reads = {{0, "V1x.1.D99"}};
                    },
                    false,
                    {{"sns_lock", nullptr}, {"wlan_gateway", "10.1.2.254"}}},
        VariantCase{"ListsWithoutSelectionSendNothing",
                    [](ConfigModel &m, FakePrinterApi &) {
                        m.setIndex("cmbRibbon", -1);
                        m.setIndex("cmbBaudRate", -1);
                        m.setIndex("cbxLabelTypeLock", -1);
                    },
                    false,
                    {{"print_method", nullptr},
                     {"com_baud", nullptr},
                     {"sns_lock", nullptr},
                     {"print_mode", "cutter"}}},
        VariantCase{"ServiceModeSendsTheResolution",
                    [](ConfigModel &, FakePrinterApi &) {},
                    true,
                    {{"dpi", "300"}}},
        VariantCase{"WithoutServiceModeTheResolutionStays",
                    [](ConfigModel &, FakePrinterApi &) {},
                    false,
                    {{"dpi", nullptr}}},
        VariantCase{"LengthsAt203",
                    [](ConfigModel &m, FakePrinterApi &) {
                        m.setResolution("203");
                        m.setText("txtMaxiMumLen", "125");
                    },
                    false,
                    {{"paper_height", "1000"}}},
        VariantCase{"EmptyLengthGoesOutEmpty",
                    [](ConfigModel &m, FakePrinterApi &) { m.setText("txtMaxiMumLen", ""); },
                    false,
                    {{"paper_height", ""}}},
        VariantCase{"BadPartOfAnAddressThatIsNotSentStopsNothing",
                    [](ConfigModel &m, FakePrinterApi &) {
                        m.setIndex("cmbDHCP", 0);
                        m.setText("txtIP1", "1x");
                    },
                    false,
                    {{"eth_dhcp", "on"}, {"eth_ip", nullptr}}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(WriteSequence, OtherMediaGetNoSensorNotice)
{
    model.setIndex("cmbPaperSensor", 2);
    write();
    EXPECT_EQ(dialogs.texts(), QStringList{"[msgSRP]\r\n[msgSRP1]"});
    EXPECT_EQ(sent("media_sensor"), "continuous");
}

struct RefusalCase {
    const char *name;
    const char *key;
    const char *text;
    const char *message;
};

class WriteRefusals : public WriteSequence, public ::testing::WithParamInterface<RefusalCase>
{
};

TEST_P(WriteRefusals, StopBeforeOpeningThePortAndNameTheField)
{
    model.setText(GetParam().key, GetParam().text);
    EXPECT_EQ(write(), Result::Refused);
    EXPECT_EQ(api.functions(), QStringList{"PrinterCreator"});
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, GetParam().message);
    EXPECT_EQ(dialogs.boxes[0].caption, "[_MSG_Title_Error]");
    EXPECT_EQ(dialogs.boxes[0].icon, Dialogs::Icon::Error);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, WriteRefusals,
    ::testing::Values(
        RefusalCase{"LoneMinusInTheTearOff", "txtZTearOff", "-",
                    "[lblZTearOff]: '-' is not a valid number. Nothing was sent to the printer."},
        RefusalCase{"LetterInTheDetectionLength", "txtMaxiMumLen", "12a",
                    "[lblMaximumlen]: '12a' is not a valid number. Nothing was sent to the "
                    "printer."},
        RefusalCase{"MinusInTheMaximumLength", "Edit1", "-5",
                    "[lblMaxLearnlen]: '-5' is not a valid number. Nothing was sent to the "
                    "printer."},
        RefusalCase{"LetterInTheLastField", "txtWGate4", "25x",
                    "[lblGate]: '25x' is not a valid number. Nothing was sent to the printer."},
        RefusalCase{"LetterInThePin", "txtBTPWD", "12a4",
                    "[lblBTPWD]: '12a4' is not a valid number. Nothing was sent to the printer."}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(WriteMessages, NameAFieldByItsLabelWithoutTheColon)
{
    ScriptedDialogs dialogs;
    ConfigMessages messages(dialogs, [](const QString &key) {
        return key == "lblZTearOff" ? QStringLiteral("Tear-off position:") : QString();
    });
    ConfigField tearOff{.key = "txtZTearOff", .captionKey = "lblZTearOff"};
    EXPECT_EQ(messages.FieldNotANumber(tearOff, "-"),
              "Tear-off position: '-' is not a valid number. Nothing was sent to the printer.");
    ConfigField unnamed{.key = "Edit4", .captionKey = "missing"};
    EXPECT_EQ(messages.FieldNotANumber(unnamed, "x"),
              "Edit4: 'x' is not a valid number. Nothing was sent to the printer.");
}

TEST_F(WriteSequence, AFailedCommandDoesNotStopTheSequenceButIsReported)
{
    api.writeStatuses = {0, -11};
    EXPECT_EQ(write(), Result::WriteFailed);
    EXPECT_EQ(api.writes().back(),
              QByteArray::fromStdString(HostFrames::doCommand({"reset_printer"})));
    EXPECT_EQ(api.writes().size(), 42u);
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(dialogs.boxes[1].text, "[_Err_WriteData]");
    EXPECT_EQ(dialogs.boxes[1].icon, Dialogs::Icon::Error);
}

TEST_F(WriteSequence, APortThatWillNotOpenGetsNothing)
{
    api.openStatuses = {-331};
    EXPECT_EQ(write(), Result::OpenFailed);
    EXPECT_TRUE(api.writes().empty());
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(linkMessages.errors, QStringList{"[_Err_OpenPort]:-331"});
}

TEST_F(WriteSequence, TheZPageSendsItsFourValues)
{
    EXPECT_EQ(writer.btnSet_tabZClick(model), Result::Written);
    EXPECT_EQ(api.writes(),
              (std::vector<QByteArray>{set("label_width", "1180"), set("align_center", "on"),
                                       set("darkness", "5"), set("print_speed", "4")}));
    EXPECT_EQ(api.functions(),
              (QStringList{"PrinterCreator", "PortOpen", "WriteData", "WriteData", "WriteData",
                           "WriteData", "PortClose", "PrinterDestroy"}));
    EXPECT_EQ(dialogs.texts(), QStringList{"[msgSRP]"});
}

TEST_F(WriteSequence, AWholeFileWritesTheZPageFirstThenThePagesWithTheirRestart)
{
    model.setIndex("cmbPaperSensor", 1);
    EXPECT_EQ(writer.WriteAllPages(model, false), Result::Written);
    const std::vector<QByteArray> writes = api.writes();
    ASSERT_EQ(writes.size(), 4u + 42u);
    EXPECT_EQ(writes.front(), set("label_width", "1180"));
    EXPECT_EQ(writes[4], set("print_method", "direct_thermal"));
    EXPECT_EQ(writes.back(), QByteArray::fromStdString(HostFrames::doCommand({"reset_printer"})));
    EXPECT_EQ(dialogs.texts(), (QStringList{"[msgSRP]", "[msgSRP]\r\n[msgSRP1]"}));
}

struct WholeFileRefusal {
    const char *key;
    const char *text;
};

class WholeFileRefusals : public WriteSequence,
                          public ::testing::WithParamInterface<WholeFileRefusal>
{
};

TEST_P(WholeFileRefusals, SendNeitherPage)
{
    model.setText(GetParam().key, GetParam().text);
    EXPECT_EQ(writer.WriteAllPages(model, false), Result::Refused);
    EXPECT_EQ(api.functions(), QStringList{"PrinterCreator"});
    EXPECT_EQ(dialogs.boxes.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Fields, WholeFileRefusals,
                         ::testing::Values(WholeFileRefusal{"txtLabelWidth", "-"},
                                           WholeFileRefusal{"txtDRowOffset", "--1"}));

TEST_F(WriteSequence, TheZPageRefusesALabelWidthThatIsNoNumber)
{
    model.setText("txtLabelWidth", "1O0");
    EXPECT_EQ(writer.btnSet_tabZClick(model), Result::Refused);
    EXPECT_EQ(api.functions(), QStringList{"PrinterCreator"});
}

} // namespace
