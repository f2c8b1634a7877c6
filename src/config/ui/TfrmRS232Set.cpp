#include "TfrmRS232Set.h"

#include "PortSelection.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>

namespace
{

const PortDialog::Captions kCaptions = {
    {"TfrmRS232Set", "FormCOM_Caption"},
    {"lblComNO", "FormCOM_lblComNO"},
    {"lblBaudRate", "lblBaudRate"},
    {"lblDataBits", "lblDataBits"},
    {"lblParity", "lblParity"},
    {"lblStopBits", "lblStopBits"},
    {"lblFlowControl", "FormCOM_lblFlowControl"},
};

// A selected entry's text; nothing when no entry is selected.
QString selected(const QComboBox *list)
{
    return list->currentIndex() < 0 ? QString() : list->currentText();
}

} // namespace

TfrmRS232Set::TfrmRS232Set(const Context &context, QWidget *owner)
    : PortDialog(context, "TfrmRS232Set", kCaptions, owner)
{
    auto *fields = new QFormLayout;
    const auto row = [&](const char *label, const char *name, const QStringList &entries) {
        auto *caption = new QLabel(this);
        caption->setObjectName(QString::fromLatin1(label));
        QComboBox *list = AddList(name, entries);
        fields->addRow(caption, list);
        return list;
    };
    m_port = row("lblComNO", "cmbComNO", PortDescriptors::SerialPorts());
    m_baud = row("lblBaudRate", "cmbBaudRate", PortDescriptors::BaudRates());
    m_dataBits = row("lblDataBits", "cmbDataBits", PortDescriptors::DataBits());
    m_parity = row("lblParity", "cmbParity", PortDescriptors::Parities());
    m_stopBits = row("lblStopBits", "cmbStopBits", PortDescriptors::StopBits());
    m_flow = row("lblFlowControl", "cmbFlowControl", PortDescriptors::FlowControls());
    SetFields(fields);
}

QComboBox *TfrmRS232Set::AddList(const char *name, const QStringList &entries)
{
    auto *list = new QComboBox(this);
    list->setObjectName(QString::fromLatin1(name));
    list->addItems(entries);
    list->setMinimumContentsLength(8);
    return list;
}

void TfrmRS232Set::Reset()
{
    const PortDescriptors::SerialChoice usual = PortDescriptors::DefaultSerial();
    m_port->setCurrentText(usual.port);
    m_baud->setCurrentText(usual.baud);
    m_dataBits->setCurrentText(usual.dataBits);
    m_parity->setCurrentText(usual.parity);
    m_stopBits->setCurrentText(usual.stopBits);
    m_flow->setCurrentText(usual.flow);
}

PortDescriptors::SerialChoice TfrmRS232Set::Choice() const
{
    return {selected(m_port),   selected(m_baud),     selected(m_dataBits),
            selected(m_parity), selected(m_stopBits), selected(m_flow)};
}

void TfrmRS232Set::Confirm()
{
    Ports().ConfirmSerial(Choice());
}
