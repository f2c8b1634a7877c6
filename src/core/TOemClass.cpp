#include "TOemClass.h"

#include "PlatformPaths.h"

TOemClass::TOemClass(const Context &context)
    : m_context(context), m_pathDelim(PlatformPaths::separator())
{
    m_titles.fill(Title(2, QString()));
    m_languageNames = NamesOf(m_languageIds.split(u','));
}

void TOemClass::SetSelection(const QString &toolType, const QString &oemCo)
{
    m_toolType = toolType;
    m_oemCo = oemCo;
}

void TOemClass::AssignIdentity(const QString &profileId, const QString &folderCode)
{
    m_profileId = profileId;
    m_folderCode = folderCode;
    // A folder that cannot be created is not reported: the settings file in
    // it then fails on its own.
    const QString folder = PlatformPaths::join(m_context.localAppData, folderCode);
    PlatformPaths::ensureFolder(folder);
    m_dataFolder = PlatformPaths::withSeparator(PlatformPaths::join(folder, "OcUserData"));
    PlatformPaths::ensureFolder(m_dataFolder);
}

QString TOemClass::NamesOf(const QStringList &languageIds, bool withIds) const
{
    QStringList names;
    for (const QString &id : languageIds) {
        const QString name = m_context.languageNames.value(id);
        names << (withIds ? QStringLiteral("%1(%2)").arg(name, id) : name);
    }
    return names.join(u',');
}

void TOemClass::SetModels(const QStringList &models)
{
    m_modelList = models.join(u',');
    m_modelSet = QLatin1Char(',') + m_modelList + QLatin1Char(',');
}
