#include "ParameterReader.h"

#include "CommandProtocol.h"
#include "ConfigConversions.h"
#include "ConfigFields.h"
#include "PrinterName.h"

namespace
{
const QString kHighResolution = QStringLiteral("300");
constexpr int kShortestAddress = 7;
constexpr int kMacLength = 17;
} // namespace

ParameterReader::ParameterReader(PrinterLink &link, CommandProtocol &protocol, bool serviceMode)
    : m_link(link), m_protocol(protocol), m_serviceMode(serviceMode)
{
}

ReadOutcome ParameterReader::ReadAll(ReadState &state, const Sink &sink)
{
    return exchange(&state, sink, &ParameterReader::ReadSteps);
}

ReadOutcome ParameterReader::ReadZPage(const Sink &sink)
{
    return exchange(nullptr, sink, &ParameterReader::ReadZSteps);
}

ReadOutcome ParameterReader::ReadResolution(const Sink &sink)
{
    return exchange(nullptr, sink, &ParameterReader::readResolution);
}

// Every read is one exchange: the port is closed again whatever happened.
ReadOutcome ParameterReader::exchange(ReadState *state, const Sink &sink, Steps steps)
{
    m_state = state;
    m_sink = &sink;
    m_failure = {ReadOutcome::Result::OpenFailed, {}};
    bool succeeded = false;
    if (m_link.OpenLink()) {
        if (state)
            state->ReadProgress = 0;
        succeeded = (this->*steps)();
    }
    m_link.CloseLink();
    if (state)
        state->Stopped = true;
    m_state = nullptr;
    m_sink = nullptr;
    return succeeded ? ReadOutcome{} : m_failure;
}

bool ParameterReader::ReadSteps()
{
    return GetPara1() && GetPara2() && GetPara3() && GetPara4() && GetPara5() && GetPara6() &&
           GetPara7() && GetPara8();
}

bool ParameterReader::GetPara1()
{
    return readText("txtVersion") && readText("txtPrtL") && readText("txtPrtL1");
}

bool ParameterReader::GetPara2()
{
    return readResolution() && readSelection("cmbRibbon") && readSelection("cmbZPrintMode") &&
           readMillimetres("txtMaxiMumLen", Check::Optional) && readLabelTypeLock() &&
           readSelection("cmbPaperSensor") && readText("txtZTearOff", Check::Optional) &&
           readText("Edit1", Check::Optional) && readSelection("ComboBox2") &&
           readSelection("ComboBox3") && readSelection("cmbZMediaPowerUp") &&
           readSelection("cmbZHeadClose") && selectResolution();
}

bool ParameterReader::GetPara3()
{
    return readSelection("ComboBox4") && readSelection("ComboBox5") &&
           readSelection("cmbDControlCodes") && readText("txtDColumnOffse") &&
           readText("txtDRowOffset");
}

bool ParameterReader::GetPara4()
{
    return readSelection("ComboBox1") && readSelection("ComboBox6") && readSelection("ComboBox7") &&
           readText("Edit4") && readText("Edit5") && readSelection("cmbPresentSensor") &&
           readText("Edit3");
}

bool ParameterReader::GetPara5()
{
    return readSelection("cmbBaudRate") && readSelection("cmbDataBits") &&
           readSelection("cmbParity") && readSelection("cmbStopBits") && readSelection("cmbFlow");
}

bool ParameterReader::GetPara6()
{
    return readText("txtBTName") && readText("txtBTPWD") && readMac(PrinterName::bt_mac);
}

bool ParameterReader::GetPara7()
{
    return readSelection("cmbDHCP") && readAddress(PrinterName::eth_ip) &&
           readAddress(PrinterName::eth_mask) && readAddress(PrinterName::eth_gateway) &&
           readMac(PrinterName::eth_mac);
}

bool ParameterReader::GetPara8()
{
    return readText("txtWName") && readSelection("cmbWPWDType") && readText("txtWPWD") &&
           readWirelessMode() && readSelection("cmbWDHCP") && readAddress(PrinterName::wlan_ip) &&
           readAddress(PrinterName::wlan_mask) && readAddress(PrinterName::wlan_gateway) &&
           readMac(PrinterName::wlan_mac);
}

bool ParameterReader::ReadZSteps()
{
    if (!readResolution())
        return false;
    send(FieldUpdate::Text("lblLabelWidthRange", m_resolution == kHighResolution
                                                     ? QStringLiteral("(1~108mm)")
                                                     : QStringLiteral("(1~104mm)")));
    return readMillimetres("txtLabelWidth", Check::Required) && readSelection("cbxAlignCenter") &&
           readSelection("cbxDensityZ") && readSelection("cbxSpeedZ");
}

bool ParameterReader::ask(const QString &parameter, Check check, QString &reply)
{
    if (m_state)
        ++m_state->ReadProgress;
    reply = m_protocol.GetVal(parameter);
    if (check == Check::Required && !m_protocol.ReplyPresent(reply))
        return fail(ReadOutcome::Result::Unanswered, parameter);
    return true;
}

bool ParameterReader::query(const QString &key, Check check, QString &reply)
{
    return ask(ConfigFields::find(key)->parameter, check, reply);
}

bool ParameterReader::readText(const QString &key, Check check)
{
    QString reply;
    if (!query(key, check, reply))
        return false;
    send(FieldUpdate::Text(key, reply));
    return true;
}

bool ParameterReader::readSelection(const QString &key)
{
    QString reply;
    if (!query(key, Check::Required, reply))
        return false;
    const ConfigField &field = *ConfigFields::find(key);
    if (!field.words) {
        send(FieldUpdate::Index(key, ConfigConversions::SelectText(field.entries, reply)));
        return true;
    }
    // An answer without text leaves the selection as it was.
    if (const std::optional<int> position = ValueWords::indexOf(*field.words, reply))
        send(FieldUpdate::Index(key, *position));
    return true;
}

bool ParameterReader::readMillimetres(const QString &key, Check check)
{
    QString reply;
    if (!query(key, check, reply))
        return false;
    const std::optional<QString> millimetres = ConfigConversions::CTC(reply, m_resolution);
    if (!millimetres)
        return fail(ReadOutcome::Result::ConversionError, reply);
    send(FieldUpdate::Text(key, *millimetres));
    return true;
}

bool ParameterReader::readResolution()
{
    if (!ask(PrinterName::dpi, Check::Required, m_resolution))
        return false;
    send(FieldUpdate::Resolution(m_resolution));
    return true;
}

bool ParameterReader::readLabelTypeLock()
{
    // Firmware before 10.1.57 does not know the lock; its version decides
    // whether to ask.
    QString version;
    ask(PrinterName::version, Check::Optional, version);
    const std::optional<bool> knowsLock = ConfigConversions::VersionAtLeast(version);
    if (!knowsLock)
        return fail(ReadOutcome::Result::ConversionError, version);
    return !*knowsLock || readSelection("cbxLabelTypeLock");
}

// Only the service switch shows the resolution list.
bool ParameterReader::selectResolution()
{
    if (m_serviceMode)
        send(FieldUpdate::Index(
            "ComboBox8",
            ConfigConversions::SelectText(ConfigFields::find("ComboBox8")->entries, m_resolution)));
    return true;
}

bool ParameterReader::readWirelessMode()
{
    if (!readSelection("ComboBox9"))
        return false;
    send(FieldUpdate::WirelessModeChange());
    return true;
}

bool ParameterReader::readAddress(const QString &parameter)
{
    QString reply;
    if (!ask(parameter, Check::Required, reply))
        return false;
    if (reply.size() >= kShortestAddress)
        splitInto(parameter, reply, u'.');
    return true;
}

bool ParameterReader::readMac(const QString &parameter)
{
    QString reply;
    if (!ask(parameter, Check::Required, reply))
        return false;
    if (reply.size() == kMacLength)
        splitInto(parameter, reply, u':');
    return true;
}

// A reply with fewer parts than fields fills the parts it has.
void ParameterReader::splitInto(const QString &parameter, const QString &reply, QChar separator)
{
    const QStringList pieces = reply.split(separator);
    const std::vector<const ConfigField *> fields = ConfigFields::parts(parameter);
    for (size_t i = 0; i < fields.size() && i < size_t(pieces.size()); ++i)
        send(FieldUpdate::Text(fields[i]->key, pieces.at(qsizetype(i))));
}

void ParameterReader::send(const FieldUpdate &update)
{
    (*m_sink)(update);
}

bool ParameterReader::fail(ReadOutcome::Result result, const QString &detail)
{
    m_failure = {result, detail};
    return false;
}
