#include "ConfigFields.h"

#include "PrinterName.h"

#include <algorithm>

namespace
{

using Kind = ConfigField::Kind;
using Filter = ConfigField::Filter;

QStringList numbers(int first, int last)
{
    QStringList texts;
    for (int value = first; value <= last; ++value)
        texts << QString::number(value);
    return texts;
}

// The parts of a dotted address: four fields named after the prefix, saved
// under the file prefix.
void addAddress(std::vector<ConfigField> &fields, const QString &page, const QString &prefix,
                const QString &filePrefix, const QString &parameter, const QString &captionKey)
{
    for (int part = 1; part <= 4; ++part)
        fields.push_back({.key = prefix + QString::number(part),
                          .page = page,
                          .fileKey = filePrefix + QString::number(part),
                          .parameter = parameter,
                          .part = part,
                          .filter = Filter::Digits,
                          .captionKey = captionKey});
}

// The six read-only parts of a MAC address.
void addMac(std::vector<ConfigField> &fields, const QString &page, const QString &prefix,
            const QString &parameter)
{
    for (int part = 1; part <= 6; ++part)
        fields.push_back({.key = prefix + QString::number(part),
                          .page = page,
                          .parameter = parameter,
                          .part = part,
                          .readOnly = true,
                          .captionKey = "lblMAC"});
}

void addPrinterInfo(std::vector<ConfigField> &fields)
{
    fields.push_back({.key = "txtVersion",
                      .page = "pnlPrinter",
                      .parameter = PrinterName::version,
                      .readOnly = true,
                      .captionKey = "lblVersion"});
    fields.push_back({.key = "txtPrtL",
                      .page = "pnlPrinter",
                      .parameter = PrinterName::mileage_reset,
                      .readOnly = true,
                      .captionKey = "lblPrtL"});
    fields.push_back({.key = "txtPrtL1",
                      .page = "pnlPrinter",
                      .parameter = PrinterName::mileage,
                      .readOnly = true,
                      .captionKey = "lblPrtL1"});
}

void addCommonPage(std::vector<ConfigField> &fields)
{
    const QString page = "tabComSet";
    fields.insert(fields.end(), {{.key = "cmbRibbon",
                                  .kind = Kind::List,
                                  .page = page,
                                  .fileKey = "_Ribbon",
                                  .parameter = PrinterName::print_method,
                                  .words = ValueWords::PrintMethod,
                                  .captionCount = 2},
                                 {.key = "cmbZPrintMode",
                                  .kind = Kind::List,
                                  .page = page,
                                  .fileKey = "_ZPrintMode",
                                  .parameter = PrinterName::print_mode,
                                  .words = ValueWords::PrintMode,
                                  .captionCount = 3},
                                 {.key = "txtMaxiMumLen",
                                  .page = page,
                                  .fileKey = "_MaxiMumLen",
                                  .parameter = PrinterName::paper_height,
                                  .filter = Filter::Digits,
                                  .millimetres = true,
                                  .captionKey = "lblMaximumlen"},
                                 {.key = "cmbPaperSensor",
                                  .kind = Kind::List,
                                  .page = page,
                                  .fileKey = "_PaperSensor",
                                  .parameter = PrinterName::media_sensor,
                                  .words = ValueWords::MediaSensor,
                                  .captionCount = 3},
                                 {.key = "cbxLabelTypeLock",
                                  .kind = Kind::List,
                                  .page = page,
                                  .fileKey = "_LabelTypeLock",
                                  .parameter = PrinterName::sns_lock,
                                  .words = ValueWords::OnOff,
                                  .captionCount = 2},
                                 {.key = "txtZTearOff",
                                  .page = page,
                                  .fileKey = "_TearOff",
                                  .parameter = PrinterName::tear_off,
                                  .filter = Filter::SignedDigits,
                                  .bound = 120,
                                  .captionKey = "lblZTearOff"},
                                 {.key = "Edit1",
                                  .page = page,
                                  .fileKey = "_Edit1",
                                  .parameter = PrinterName::max_length,
                                  .filter = Filter::Digits,
                                  .captionKey = "lblMaxLearnlen"},
                                 {.key = "ComboBox2",
                                  .kind = Kind::List,
                                  .page = page,
                                  .fileKey = "_ComboBox2",
                                  .parameter = PrinterName::heat_sw,
                                  .words = ValueWords::YesNo,
                                  .entries = {"Yes", "No"}},
                                 {.key = "ComboBox3",
                                  .kind = Kind::List,
                                  .page = page,
                                  .fileKey = "_ComboBox3",
                                  .parameter = PrinterName::speed_sw,
                                  .words = ValueWords::YesNo,
                                  .entries = {"Yes", "No"}},
                                 {.key = "cmbZMediaPowerUp",
                                  .kind = Kind::List,
                                  .page = page,
                                  .fileKey = "_ZMediaPowerUp",
                                  .parameter = PrinterName::media_power_up,
                                  .words = ValueWords::SensorAction,
                                  .captionCount = 3},
                                 {.key = "cmbZHeadClose",
                                  .kind = Kind::List,
                                  .page = page,
                                  .fileKey = "_ZHeadClose",
                                  .parameter = PrinterName::head_close,
                                  .words = ValueWords::SensorAction,
                                  .captionCount = 3},
                                 {.key = "ComboBox8",
                                  .kind = Kind::List,
                                  .page = page,
                                  .fileKey = "_ComboBox8",
                                  .parameter = PrinterName::dpi,
                                  .entries = {"203", "300"}}});
}

void addEmulationPages(std::vector<ConfigField> &fields)
{
    fields.insert(fields.end(), {{.key = "ComboBox4",
                                  .kind = Kind::List,
                                  .page = "tabD",
                                  .fileKey = "_ComboBox4",
                                  .parameter = PrinterName::darkness,
                                  .entries = numbers(0, 30)},
                                 {.key = "ComboBox5",
                                  .kind = Kind::List,
                                  .page = "tabD",
                                  .fileKey = "_ComboBox5",
                                  .parameter = PrinterName::print_speed,
                                  .entries = numbers(2, 4)},
                                 {.key = "cmbDControlCodes",
                                  .kind = Kind::List,
                                  .page = "tabD",
                                  .fileKey = "_DControlCodes",
                                  .parameter = PrinterName::control_codes,
                                  .words = ValueWords::ControlCodes,
                                  .captionCount = 2},
                                 {.key = "txtDColumnOffse",
                                  .page = "tabD",
                                  .fileKey = "_DColumnOffse",
                                  .parameter = PrinterName::column_offset,
                                  .filter = Filter::SignedDigits,
                                  .bound = 90,
                                  .captionKey = "lblDColumnOffse"},
                                 {.key = "txtDRowOffset",
                                  .page = "tabD",
                                  .fileKey = "_DRowOffset",
                                  .parameter = PrinterName::row_offset,
                                  .filter = Filter::SignedDigits,
                                  .bound = 90,
                                  .captionKey = "lblDRowOffset"},
                                 {.key = "ComboBox1",
                                  .kind = Kind::List,
                                  .page = "E_Setting",
                                  .fileKey = "_ComboBox1",
                                  .parameter = PrinterName::density,
                                  .entries = numbers(0, 15)},
                                 {.key = "ComboBox6",
                                  .kind = Kind::List,
                                  .page = "E_Setting",
                                  .fileKey = "_ComboBox6",
                                  .parameter = PrinterName::speed,
                                  .entries = numbers(2, 4)},
                                 {.key = "ComboBox7",
                                  .kind = Kind::List,
                                  .page = "E_Setting",
                                  .parameter = PrinterName::top_of_form_backup,
                                  .words = ValueWords::TopOfFormBackup,
                                  .captionCount = 2},
                                 {.key = "Edit4",
                                  .page = "E_Setting",
                                  .fileKey = "_Edit4",
                                  .parameter = PrinterName::reference_x,
                                  .filter = Filter::Digits,
                                  .captionKey = "lblE_Reference"},
                                 {.key = "Edit5",
                                  .page = "E_Setting",
                                  .fileKey = "_Edit5",
                                  .parameter = PrinterName::reference_y,
                                  .filter = Filter::Digits,
                                  .captionKey = "lblE_Reference"},
                                 {.key = "cmbPresentSensor",
                                  .kind = Kind::List,
                                  .page = "E_Setting",
                                  .fileKey = "_PresentSensor",
                                  .parameter = PrinterName::direction,
                                  .entries = {"ZT", "ZB"}},
                                 {.key = "Edit3",
                                  .page = "E_Setting",
                                  .fileKey = "_Edit3",
                                  .parameter = PrinterName::paper_width,
                                  .filter = Filter::Digits,
                                  .captionKey = "lblE_FormWidth"}});
}

void addSerialPage(std::vector<ConfigField> &fields)
{
    const QString page = "tabRS232";
    fields.insert(fields.end(),
                  {{.key = "cmbDataBits",
                    .kind = Kind::List,
                    .page = page,
                    .fileKey = "_DataBits",
                    .parameter = PrinterName::com_wordlength,
                    .entries = {"7", "8"}},
                   {.key = "cmbBaudRate",
                    .kind = Kind::List,
                    .page = page,
                    .fileKey = "_BaudRate",
                    .parameter = PrinterName::com_baud,
                    .entries = {"1200", "4800", "9600", "19200", "38400", "57600", "115200"}},
                   {.key = "cmbStopBits",
                    .kind = Kind::List,
                    .page = page,
                    .fileKey = "_StopBits",
                    .parameter = PrinterName::com_stopbits,
                    .entries = {"1", "2"}},
                   {.key = "cmbParity",
                    .kind = Kind::List,
                    .page = page,
                    .fileKey = "_Parity",
                    .parameter = PrinterName::com_parity,
                    .entries = {"None", "Odd", "Even"}},
                   {.key = "cmbFlow",
                    .kind = Kind::List,
                    .page = page,
                    .fileKey = "_Flow",
                    .parameter = PrinterName::com_flow,
                    .entries = {"NONE", "RTS/CTS"}}});
}

void addBluetoothPage(std::vector<ConfigField> &fields)
{
    fields.push_back({.key = "txtBTName",
                      .page = "tabBT",
                      .fileKey = "_BTName",
                      .parameter = PrinterName::bt_name,
                      .maxLength = 16,
                      .exact = true,
                      .captionKey = "lblBTName"});
    fields.push_back({.key = "txtBTPWD",
                      .page = "tabBT",
                      .fileKey = "_BTPWD",
                      .parameter = PrinterName::bt_pwd,
                      .filter = Filter::Digits,
                      .maxLength = 4,
                      .exact = true,
                      .captionKey = "lblBTPWD"});
    addMac(fields, "tabBT", "txtBTMAC", PrinterName::bt_mac);
}

void addEthernetPage(std::vector<ConfigField> &fields)
{
    fields.push_back({.key = "cmbDHCP",
                      .kind = Kind::List,
                      .page = "tabNet",
                      .fileKey = "_DHCP",
                      .parameter = PrinterName::eth_dhcp,
                      .words = ValueWords::OnOff,
                      .captionCount = 2});
    addAddress(fields, "tabNet", "txtIP", "_IP", PrinterName::eth_ip, "lblIP");
    addAddress(fields, "tabNet", "txtSN", "_SN", PrinterName::eth_mask, "lblSub");
    addAddress(fields, "tabNet", "txtGate", "_Gate", PrinterName::eth_gateway, "lblGate");
    addMac(fields, "tabNet", "txtIPMAC", PrinterName::eth_mac);
}

void addWirelessPage(std::vector<ConfigField> &fields)
{
    const QString page = "tabWifi";
    fields.insert(fields.end(), {{.key = "txtWName",
                                  .page = page,
                                  .fileKey = "_WName",
                                  .parameter = PrinterName::wlan_ssid,
                                  .maxLength = 16,
                                  .exact = true,
                                  .captionKey = "lblWName"},
                                 {.key = "cmbWPWDType",
                                  .kind = Kind::List,
                                  .page = page,
                                  .fileKey = "_WPWDType",
                                  .parameter = PrinterName::wlan_encry,
                                  .words = ValueWords::WlanEncryption,
                                  .entries = {"WPA", "WEP1", "WEP2"}},
                                 {.key = "txtWPWD",
                                  .page = page,
                                  .fileKey = "_WPWD",
                                  .parameter = PrinterName::wlan_key,
                                  .exact = true,
                                  .captionKey = "lblWPWD"},
                                 {.key = "ComboBox9",
                                  .kind = Kind::List,
                                  .page = page,
                                  .fileKey = "_WMOD",
                                  .parameter = PrinterName::wlan_mod,
                                  .words = ValueWords::WlanMode,
                                  .captionCount = 2},
                                 // The captions are language texts; only the
                                 // printer word of the position goes out.
                                 {.key = "cmbWDHCP",
                                  .kind = Kind::List,
                                  .page = page,
                                  .fileKey = "_WDHCP",
                                  .parameter = PrinterName::wlan_dhcp,
                                  .words = ValueWords::OnOff,
                                  .captionCount = 2}});
    addAddress(fields, page, "txtWIP", "_WIP", PrinterName::wlan_ip, "lblIP");
    addAddress(fields, page, "txtWSN", "_WSN", PrinterName::wlan_mask, "lblSub");
    addAddress(fields, page, "txtWGate", "_WGate", PrinterName::wlan_gateway, "lblGate");
    addMac(fields, page, "txtWMAC", PrinterName::wlan_mac);
}

void addZPage(std::vector<ConfigField> &fields)
{
    const QString page = "tabZ";
    fields.insert(fields.end(), {{.key = "txtLabelWidth",
                                  .page = page,
                                  .fileKey = "_LabelWidth",
                                  .parameter = PrinterName::label_width,
                                  .filter = Filter::Digits,
                                  .millimetres = true,
                                  .captionKey = "tabZ_lblLabelWidth"},
                                 {.key = "lblLabelWidthRange", .page = page, .readOnly = true},
                                 {.key = "cbxAlignCenter",
                                  .kind = Kind::List,
                                  .page = page,
                                  .fileKey = "_AlignCenter",
                                  .parameter = PrinterName::align_center,
                                  .words = ValueWords::AlignCenter,
                                  .captionCount = 2},
                                 {.key = "cbxDensityZ",
                                  .kind = Kind::List,
                                  .page = page,
                                  .fileKey = "_cbxDensityZ",
                                  .parameter = PrinterName::darkness,
                                  .entries = numbers(0, 30)},
                                 {.key = "cbxSpeedZ",
                                  .kind = Kind::List,
                                  .page = page,
                                  .fileKey = "_cbxSpeedZ",
                                  .parameter = PrinterName::print_speed,
                                  .entries = numbers(2, 4)}});
}

std::vector<ConfigField> buildFields()
{
    std::vector<ConfigField> fields;
    addPrinterInfo(fields);
    addCommonPage(fields);
    addEmulationPages(fields);
    addSerialPage(fields);
    addBluetoothPage(fields);
    addEthernetPage(fields);
    addWirelessPage(fields);
    addZPage(fields);
    return fields;
}

} // namespace

const std::vector<ConfigField> &ConfigFields::all()
{
    static const std::vector<ConfigField> fields = buildFields();
    return fields;
}

const ConfigField *ConfigFields::find(const QString &key)
{
    const auto &fields = all();
    const auto found = std::find_if(fields.begin(), fields.end(),
                                    [&key](const ConfigField &field) { return field.key == key; });
    return found == fields.end() ? nullptr : &*found;
}

std::vector<const ConfigField *> ConfigFields::parts(const QString &parameter)
{
    std::vector<const ConfigField *> found;
    for (const ConfigField &field : all()) {
        if (field.part > 0 && field.parameter == parameter)
            found.push_back(&field);
    }
    return found;
}
