#include "SerialPortRegistry.h"

#include "IniFile.h"
#include "PlatformPaths.h"

namespace
{
const QString kPortsSection = QStringLiteral("Ports");
}

SerialPortRegistry::SerialPortRegistry(const QString &userDataFolder)
    : m_filePath(PlatformPaths::join(userDataFolder, QStringLiteral("SerialPorts.ini")))
{
}

bool SerialPortRegistry::WritePortSettings(const QString &port, const QString &settings)
{
    return IniFile(m_filePath).writeString(kPortsSection, port, settings);
}

QString SerialPortRegistry::ReadPortSettings(const QString &port) const
{
    return IniFile(m_filePath).readString(kPortsSection, port);
}
