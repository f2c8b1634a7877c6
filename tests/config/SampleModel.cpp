#include "SampleModel.h"

#include "ConfigModel.h"

#include <utility>

namespace
{

void setAddress(ConfigModel &model, const QString &prefix, const QStringList &parts)
{
    for (qsizetype i = 0; i < parts.size(); ++i)
        model.setText(prefix + QString::number(i + 1), parts.at(i));
}

} // namespace

void SampleModel::Fill(ConfigModel &model)
{
    model.setResolution("300");
    for (const auto &[key, index] : std::initializer_list<std::pair<const char *, int>>{
             {"cmbRibbon", 1},        {"cmbZPrintMode", 1},  {"cbxLabelTypeLock", 0},
             {"cmbPaperSensor", 0},   {"ComboBox2", 1},      {"ComboBox3", 0},
             {"cmbZMediaPowerUp", 2}, {"cmbZHeadClose", 1},  {"ComboBox8", 1},
             {"ComboBox4", 20},       {"ComboBox5", 0},      {"cmbDControlCodes", 1},
             {"ComboBox1", 3},        {"ComboBox6", 1},      {"ComboBox7", 1},
             {"cmbPresentSensor", 1}, {"cmbBaudRate", 6},    {"cmbDataBits", 0},
             {"cmbParity", 1},        {"cmbStopBits", 1},    {"cmbFlow", 1},
             {"cmbDHCP", 1},          {"cmbWPWDType", 1},    {"ComboBox9", 1},
             {"cmbWDHCP", 1},         {"cbxAlignCenter", 1}, {"cbxDensityZ", 5},
             {"cbxSpeedZ", 2}})
        model.setIndex(key, index);
    for (const auto &[key, text] :
         std::initializer_list<std::pair<const char *, const char *>>{{"txtMaxiMumLen", "85"},
                                                                      {"txtZTearOff", "-12"},
                                                                      {"Edit1", "400"},
                                                                      {"txtDColumnOffse", "-90"},
                                                                      {"txtDRowOffset", "5"},
                                                                      {"Edit4", "16"},
                                                                      {"Edit5", "24"},
                                                                      {"Edit3", "800"},
                                                                      {"txtBTName", "   "},
                                                                      {"txtBTPWD", "1234"},
                                                                      {"txtWName", "Shop WLAN"},
                                                                      {"txtWPWD", "Secret-Key"},
                                                                      {"txtLabelWidth", "100"}})
        model.setText(key, text);
    setAddress(model, "txtIP", {"192", "168", "1", "50"});
    setAddress(model, "txtSN", {"255", "255", "", "0"});
    setAddress(model, "txtGate", {"192", "168", "1", "1"});
    setAddress(model, "txtWIP", {"10", "1", "2", "3"});
    setAddress(model, "txtWSN", {"255", "255", "0", "0"});
    setAddress(model, "txtWGate", {"10", "1", "2", "254"});
}
