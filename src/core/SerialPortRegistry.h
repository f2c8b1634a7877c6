#pragma once

#include <QString>

// Where the program records the settings it chose for each serial port, one
// value per port name ("COM3" = "9600,n,8,1,c"). Kept in a file of the
// user's data folder; a failed write is not the user's concern and is
// reported only by the result.
class SerialPortRegistry
{
public:
    explicit SerialPortRegistry(const QString &userDataFolder);

    bool WritePortSettings(const QString &port, const QString &settings);
    QString ReadPortSettings(const QString &port) const;

    const QString &FilePath() const { return m_filePath; }

private:
    QString m_filePath;
};
