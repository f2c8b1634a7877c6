#include "ConfigModel.h"

#include "ConfigFields.h"
#include "PrinterName.h"

namespace
{
const QString kDhcp = QStringLiteral("cmbDHCP");
const QString kWorkingMode = QStringLiteral("ComboBox9");
const QString kWirelessDhcp = QStringLiteral("cmbWDHCP");
} // namespace

ConfigModel::ConfigModel(QObject *parent) : QObject(parent)
{
    for (const ConfigField &field : ConfigFields::all()) {
        m_enabled.insert(field.key, !field.readOnly);
        if (field.kind == ConfigField::Kind::List)
            m_indexes.insert(field.key, -1);
        else
            m_texts.insert(field.key, QStringLiteral(""));
    }
    m_enabled.insert(btnGet, true);
    m_enabled.insert(btnSet, false);
    m_enabled.insert(btnGet_tabZ, true);
    m_enabled.insert(btnSet_tabZ, false);
    cmbDHCPChange();
    cmbWDHCPChange();
}

QString ConfigModel::text(const QString &key) const
{
    return m_texts.value(key);
}

int ConfigModel::index(const QString &key) const
{
    return m_indexes.value(key, -1);
}

bool ConfigModel::isEnabled(const QString &key) const
{
    return m_enabled.value(key, false);
}

QString ConfigModel::PrinterValue(const QString &key) const
{
    const ConfigField *field = ConfigFields::find(key);
    if (!field)
        return QString();
    // An empty field is a value of its own and goes out empty; only a list
    // without a selection has nothing to send.
    if (field->kind == ConfigField::Kind::Text)
        return text(key);
    const int position = index(key);
    if (field->words)
        return ValueWords::word(*field->words, position);
    return position < 0 ? QString() : field->entries.at(position);
}

void ConfigModel::setText(const QString &key, const QString &text)
{
    const auto it = m_texts.find(key);
    if (it == m_texts.end() || *it == text)
        return;
    *it = text;
    emit textChanged(key, text);
}

void ConfigModel::setIndex(const QString &key, int index)
{
    const auto it = m_indexes.find(key);
    if (it == m_indexes.end())
        return;
    const int count = ConfigFields::find(key)->entryCount();
    const int position = index >= 0 && index < count ? index : -1;
    if (*it == position)
        return;
    *it = position;
    emit indexChanged(key, position);
}

void ConfigModel::setEnabled(const QString &key, bool enabled)
{
    const auto it = m_enabled.find(key);
    if (it == m_enabled.end() || *it == enabled)
        return;
    *it = enabled;
    emit enabledChanged(key, enabled);
}

void ConfigModel::setResolution(const QString &resolution)
{
    if (m_resolution == resolution)
        return;
    m_resolution = resolution;
    emit resolutionChanged(resolution);
}

void ConfigModel::apply(const FieldUpdate &update)
{
    switch (update.kind) {
    case FieldUpdate::Kind::Text:
        setText(update.key, update.text);
        break;
    case FieldUpdate::Kind::Index:
        setIndex(update.key, update.index);
        break;
    case FieldUpdate::Kind::Resolution:
        setResolution(update.text);
        break;
    case FieldUpdate::Kind::WirelessModeChange:
        cmbWDHCPChange();
        break;
    }
}

void ConfigModel::enableParts(const QString &parameter, bool enabled)
{
    for (const ConfigField *field : ConfigFields::parts(parameter))
        setEnabled(field->key, enabled);
}

void ConfigModel::cmbDHCPChange()
{
    const bool manual = index(kDhcp) == DhcpOff;
    for (const char *parameter :
         {PrinterName::eth_ip, PrinterName::eth_mask, PrinterName::eth_gateway})
        enableParts(parameter, manual);
}

void ConfigModel::cmbWDHCPChange()
{
    const bool station = index(kWorkingMode) == Station;
    setEnabled(kWirelessDhcp, station);
    for (const char *parameter :
         {PrinterName::wlan_ip, PrinterName::wlan_mask, PrinterName::wlan_gateway})
        enableParts(parameter, station);
}

void ConfigModel::stbSSChange(const QString &page)
{
    m_onTabZ = page == tabZ;
    if (m_onTabZ) {
        RememberButtonStates();
        setEnabled(btnGet, false);
        setEnabled(btnSet, false);
        return;
    }
    setEnabled(btnGet, m_rememberedGet);
    setEnabled(btnSet, m_rememberedSet);
}

void ConfigModel::RememberButtonStates()
{
    m_rememberedGet = isEnabled(btnGet);
    m_rememberedSet = isEnabled(btnSet);
}

void ConfigModel::BeginRead()
{
    setEnabled(btnGet, false);
    setEnabled(btnSet, false);
    m_rememberedSet = false;
}

// A read started on another page may end while the Z page is shown: its
// rule keeps both buttons off there, and the way back restores them.
void ConfigModel::EndRead(bool succeeded)
{
    m_rememberedGet = true;
    if (succeeded)
        m_rememberedSet = true;
    if (m_onTabZ)
        return;
    setEnabled(btnGet, true);
    setEnabled(btnSet, true);
}

void ConfigModel::FileLoaded()
{
    m_rememberedSet = true;
    setEnabled(btnSet_tabZ, true);
    if (!m_onTabZ)
        setEnabled(btnSet, true);
}
