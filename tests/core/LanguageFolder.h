#pragma once

#include <QMap>
#include <QString>
#include <QTemporaryDir>

// A program folder with language files written by the test: sections of
// the main file and per-language files, each given as key = value pairs.
class LanguageFolder
{
public:
    using Entries = QMap<QString, QString>;

    QString path() const { return m_folder.path() + QStringLiteral("/"); }

    void setMainSection(const QString &section, const Entries &entries);
    void setLanguageFile(const QString &id, const Entries &entries);
    void setOffered(const QString &list, const QString &defaultId);

private:
    void writeSection(const QString &file, const QString &section, const Entries &entries);

    QTemporaryDir m_folder;
};
