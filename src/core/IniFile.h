#pragma once

#include <QString>
#include <QStringList>

class IniDocument;

// One initialisation file, opened and closed around every single read or
// write, as the Windows profile functions do. A missing file, section or key
// reads as the default. Every write replaces the whole file in one step, so a
// crash mid-write never leaves half a file behind.
class IniFile
{
public:
    explicit IniFile(QString path);

    const QString &path() const { return m_path; }

    QString readString(const QString &section, const QString &key,
                       const QString &defaultValue = QString()) const;
    bool writeString(const QString &section, const QString &key, const QString &value);
    QStringList sections() const;
    QStringList keys(const QString &section) const;

    // Creates an empty file when none exists; an existing file is left alone.
    bool ensureExists();

    // Why the last read or write failed; empty after a success.
    const QString &errorString() const { return m_error; }

private:
    IniDocument load() const;
    bool save(const IniDocument &document);

    QString m_path;
    mutable QString m_error;
};
