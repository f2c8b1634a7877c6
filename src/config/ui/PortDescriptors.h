#pragma once

#include <QString>
#include <QStringList>

// The port descriptors the port dialogs build from what the user chose, with
// the choices each dialog offers and starts with.
class PortDescriptors
{
public:
    // The texts of the serial dialog's lists. Parity and flow control are
    // empty when nothing is selected.
    struct SerialChoice {
        QString port;
        QString baud;
        QString dataBits;
        QString parity;
        QString stopBits;
        QString flow;
    };

    static QStringList SerialPorts();
    static QStringList BaudRates();
    static QStringList DataBits();
    static QStringList Parities();
    static QStringList StopBits();
    static QStringList FlowControls();
    static SerialChoice DefaultSerial();

    // "COM1,115200,n,8,1,c": the port, then the settings.
    static QString Serial(const SerialChoice &choice);
    // "115200,n,8,1,c": what the operating system keeps for the port.
    static QString SerialSettings(const SerialChoice &choice);

    static QStringList ParallelPorts();
    static QString Parallel(const QString &name);

    static QStringList DefaultAddress();
    static QString DefaultNetworkPort();
    // "NET," and the four fields joined with dots, as typed.
    static QString Network(const QStringList &fields);
};
