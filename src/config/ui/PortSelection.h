#pragma once

#include "PortDescriptors.h"

#include <QMap>
#include <QString>
#include <QStringList>

class PrinterLink;
class SerialPortRegistry;

// The port group of the main window: the port type list, the last confirmed
// descriptor of every kind, and which of them the printer link uses.
// Choosing a type in the list makes that type's remembered descriptor
// current, so the user can always go back to USB; a confirmed dialog
// remembers its descriptor and makes it current.
class PortSelection
{
public:
    enum class Kind { Usb, Serial, Parallel, Network, Simulator };

    // With the simulator the list offers the built-in virtual printer too,
    // and starts with it.
    PortSelection(PrinterLink &link, SerialPortRegistry &registry, bool simulator);

    QStringList TypeNames() const;
    int StartIndex() const;
    // The main window's first show: the start entry's port becomes current.
    void Start();

    void ChooseType(int index);
    Kind CurrentKind() const { return m_types.value(m_index); }
    // USB and the virtual printer have nothing to set.
    bool SettingsOffered() const;

    // The serial settings are also recorded for the operating system, where
    // the user may lack the rights; the port is taken all the same.
    void ConfirmSerial(const PortDescriptors::SerialChoice &choice);
    void ConfirmParallel(const QString &name);
    void ConfirmNetwork(const QStringList &fields);

private:
    void Confirm(Kind kind, const QString &descriptor);
    void MakeCurrent(const QString &descriptor);

    PrinterLink &m_link;
    SerialPortRegistry &m_registry;
    QList<Kind> m_types;
    int m_index = 0;
    QMap<Kind, QString> m_remembered;
};
