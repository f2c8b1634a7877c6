#include "LanguageFolder.h"

#include "IniFile.h"

#include <stdexcept>

void LanguageFolder::setMainSection(const QString &section, const Entries &entries)
{
    writeSection(QStringLiteral("UtilityLanguage.ini"), section, entries);
}

void LanguageFolder::setLanguageFile(const QString &id, const Entries &entries)
{
    writeSection(QStringLiteral("UtilityLanguage_%1.ini").arg(id), id, entries);
}

void LanguageFolder::setOffered(const QString &list, const QString &defaultId)
{
    setMainSection(QStringLiteral("LanguageCollect"),
                   {{QStringLiteral("List"), list},
                    {QStringLiteral("DefaultLanguageID"), defaultId},
                    {QStringLiteral("DefaultLanguageName"), QStringLiteral("name-") + defaultId}});
}

void LanguageFolder::writeSection(const QString &file, const QString &section,
                                  const Entries &entries)
{
    IniFile ini(path() + file);
    for (auto entry = entries.begin(); entry != entries.end(); ++entry) {
        if (!ini.writeString(section, entry.key(), entry.value()))
            throw std::runtime_error(ini.errorString().toStdString());
    }
}
