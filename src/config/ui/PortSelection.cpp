#include "PortSelection.h"

#include "PrinterLink.h"
#include "SerialPortRegistry.h"

namespace
{

QString typeName(PortSelection::Kind kind)
{
    switch (kind) {
    case PortSelection::Kind::Usb:
        return QStringLiteral("USB");
    case PortSelection::Kind::Serial:
        return QStringLiteral("COM");
    case PortSelection::Kind::Parallel:
        return QStringLiteral("LPT");
    case PortSelection::Kind::Network:
        return QStringLiteral("ETHERNET");
    case PortSelection::Kind::Simulator:
        break;
    }
    return QStringLiteral("SIM");
}

} // namespace

PortSelection::PortSelection(PrinterLink &link, SerialPortRegistry &registry, bool simulator)
    : m_link(link),
      m_registry(registry), m_types{Kind::Usb, Kind::Serial, Kind::Parallel, Kind::Network}
{
    // A type chosen before its dialog was ever confirmed uses what the dialog
    // would offer.
    m_remembered = {
        {Kind::Usb, QStringLiteral("USB")},
        {Kind::Serial, PortDescriptors::Serial(PortDescriptors::DefaultSerial())},
        {Kind::Parallel, PortDescriptors::Parallel(PortDescriptors::ParallelPorts().first())},
        {Kind::Network, PortDescriptors::Network(PortDescriptors::DefaultAddress())},
    };
    if (simulator) {
        m_types << Kind::Simulator;
        m_remembered.insert(Kind::Simulator, QStringLiteral("SIM"));
    }
    m_index = StartIndex();
}

QStringList PortSelection::TypeNames() const
{
    QStringList names;
    for (const Kind kind : m_types)
        names << typeName(kind);
    return names;
}

int PortSelection::StartIndex() const
{
    return m_types.contains(Kind::Simulator) ? static_cast<int>(m_types.indexOf(Kind::Simulator))
                                             : 0;
}

void PortSelection::Start()
{
    ChooseType(StartIndex());
}

void PortSelection::ChooseType(int index)
{
    if (index < 0 || index >= m_types.size())
        return;
    m_index = index;
    MakeCurrent(m_remembered.value(CurrentKind()));
}

bool PortSelection::SettingsOffered() const
{
    const Kind kind = CurrentKind();
    return kind == Kind::Serial || kind == Kind::Parallel || kind == Kind::Network;
}

void PortSelection::ConfirmSerial(const PortDescriptors::SerialChoice &choice)
{
    m_registry.WritePortSettings(choice.port, PortDescriptors::SerialSettings(choice));
    Confirm(Kind::Serial, PortDescriptors::Serial(choice));
}

void PortSelection::ConfirmParallel(const QString &name)
{
    Confirm(Kind::Parallel, PortDescriptors::Parallel(name));
}

void PortSelection::ConfirmNetwork(const QStringList &fields)
{
    Confirm(Kind::Network, PortDescriptors::Network(fields));
}

void PortSelection::Confirm(Kind kind, const QString &descriptor)
{
    m_remembered.insert(kind, descriptor);
    MakeCurrent(descriptor);
}

void PortSelection::MakeCurrent(const QString &descriptor)
{
    if (descriptor == m_link.CurrentPort())
        return;
    m_link.SelectPort(descriptor);
}
