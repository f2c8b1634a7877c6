#include "WritePlan.h"

#include "ConfigConversions.h"
#include "ConfigFields.h"
#include "ConfigModel.h"
#include "InputRules.h"
#include "PrinterName.h"

WritePlan WritePlan::Pages(const ConfigModel &model, bool serviceMode)
{
    WritePlan plan(model);
    plan.addFields({"cmbRibbon", "cmbZPrintMode", "txtMaxiMumLen"});
    plan.m_commands.push_back({Command::Kind::SetIfVersionKnowsLock, PrinterName::sns_lock,
                               model.PrinterValue("cbxLabelTypeLock")});
    plan.addFields({"cmbPaperSensor", "txtZTearOff", "Edit1", "ComboBox2", "ComboBox3",
                    "cmbZMediaPowerUp", "cmbZHeadClose"});
    if (serviceMode)
        plan.addField("ComboBox8");
    plan.addFields({"ComboBox4",     "ComboBox5",   "cmbDControlCodes", "txtDColumnOffse",
                    "txtDRowOffset", "ComboBox1",   "ComboBox6",        "ComboBox7",
                    "Edit4",         "Edit5",       "cmbPresentSensor", "Edit3",
                    "cmbBaudRate",   "cmbDataBits", "cmbParity",        "cmbStopBits",
                    "cmbFlow",       "txtBTName",   "txtBTPWD",         "cmbDHCP"});
    if (model.index("cmbDHCP") == ConfigModel::DhcpOff)
        plan.addAddresses({PrinterName::eth_ip, PrinterName::eth_mask, PrinterName::eth_gateway});
    plan.addFields({"txtWName", "cmbWPWDType", "txtWPWD", "ComboBox9"});
    if (model.index("ComboBox9") == ConfigModel::Station) {
        plan.addField("cmbWDHCP");
        plan.addAddresses(
            {PrinterName::wlan_ip, PrinterName::wlan_mask, PrinterName::wlan_gateway});
    }
    return plan;
}

WritePlan WritePlan::ZPage(const ConfigModel &model)
{
    WritePlan plan(model);
    plan.addFields({"txtLabelWidth", "cbxAlignCenter", "cbxDensityZ", "cbxSpeedZ"});
    return plan;
}

void WritePlan::addFields(std::initializer_list<const char *> keys)
{
    for (const char *key : keys)
        addField(key);
}

// A list without a selection has no word, so nothing goes out for it; a
// blank name or key is not sent either.
void WritePlan::addField(const QString &key)
{
    const ConfigField &field = *ConfigFields::find(key);
    QString value = m_model.PrinterValue(key);
    if (value.isNull() || (field.exact && value.trimmed().isEmpty()) || !holdsNumber(key, value))
        return;
    if (field.millimetres)
        value = *ConfigConversions::UnCTC(value, m_model.Resolution());
    m_commands.push_back(
        {field.exact ? Command::Kind::SetExact : Command::Kind::Set, field.parameter, value});
}

void WritePlan::addAddresses(std::initializer_list<const char *> parameters)
{
    for (const char *parameter : parameters)
        addAddress(parameter);
}

// An address goes out only when all its parts are filled in.
void WritePlan::addAddress(const QString &parameter)
{
    QStringList parts;
    for (const ConfigField *field : ConfigFields::parts(parameter)) {
        const QString text = m_model.text(field->key);
        if (text.trimmed().isEmpty())
            return;
        parts << text;
    }
    for (const ConfigField *field : ConfigFields::parts(parameter)) {
        if (!holdsNumber(field->key, m_model.text(field->key)))
            return;
    }
    m_commands.push_back({Command::Kind::Set, parameter, parts.join(u'.')});
}

bool WritePlan::holdsNumber(const QString &key, const QString &text)
{
    if (InputRules::IsNumberFor(*ConfigFields::find(key), text))
        return true;
    if (!m_problem)
        m_problem = Problem{key, text};
    return false;
}
