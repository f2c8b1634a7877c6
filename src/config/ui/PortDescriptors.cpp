#include "PortDescriptors.h"

namespace
{

QStringList numbered(const QString &prefix, int last)
{
    QStringList names;
    for (int n = 1; n <= last; ++n)
        names << prefix + QString::number(n);
    return names;
}

QString parityLetter(const QString &parity)
{
    if (parity == QLatin1String("Odd"))
        return QStringLiteral("o");
    if (parity == QLatin1String("Even"))
        return QStringLiteral("e");
    return QStringLiteral("n");
}

// No flow field at all when no flow control is chosen.
QString flowLetter(const QString &flow)
{
    if (flow == QLatin1String("None"))
        return QStringLiteral("n");
    if (flow == QLatin1String("RTS/CTS"))
        return QStringLiteral("c");
    return QString();
}

} // namespace

QStringList PortDescriptors::SerialPorts()
{
    return numbered(QStringLiteral("COM"), 18);
}

QStringList PortDescriptors::BaudRates()
{
    return {QStringLiteral("1200"),  QStringLiteral("4800"),  QStringLiteral("9600"),
            QStringLiteral("19200"), QStringLiteral("38400"), QStringLiteral("57600"),
            QStringLiteral("115200")};
}

QStringList PortDescriptors::DataBits()
{
    return {QStringLiteral("7"), QStringLiteral("8")};
}

QStringList PortDescriptors::Parities()
{
    return {QStringLiteral("None"), QStringLiteral("Odd"), QStringLiteral("Even")};
}

QStringList PortDescriptors::StopBits()
{
    return {QStringLiteral("1"), QStringLiteral("2")};
}

QStringList PortDescriptors::FlowControls()
{
    return {QStringLiteral("None"), QStringLiteral("RTS/CTS")};
}

PortDescriptors::SerialChoice PortDescriptors::DefaultSerial()
{
    return {QStringLiteral("COM1"), QStringLiteral("115200"), QStringLiteral("8"),
            QStringLiteral("None"), QStringLiteral("1"),      QStringLiteral("RTS/CTS")};
}

QString PortDescriptors::Serial(const SerialChoice &choice)
{
    return choice.port + u',' + SerialSettings(choice);
}

QString PortDescriptors::SerialSettings(const SerialChoice &choice)
{
    QStringList fields{choice.baud, parityLetter(choice.parity), choice.dataBits, choice.stopBits};
    if (const QString flow = flowLetter(choice.flow); !flow.isEmpty())
        fields << flow;
    return fields.join(u',');
}

QStringList PortDescriptors::ParallelPorts()
{
    return numbered(QStringLiteral("LPT"), 4);
}

QString PortDescriptors::Parallel(const QString &name)
{
    return name.trimmed();
}

QStringList PortDescriptors::DefaultAddress()
{
    return {QStringLiteral("10"), QStringLiteral("0"), QStringLiteral("20"), QStringLiteral("222")};
}

QString PortDescriptors::DefaultNetworkPort()
{
    return QStringLiteral("9100");
}

QString PortDescriptors::Network(const QStringList &fields)
{
    return QStringLiteral("NET,") + fields.join(u'.');
}
