#include "OptionalLibrary.h"

#include "PlatformPaths.h"

#include <QFile>

OptionalLibrary::OptionalLibrary(const QString &filePath) : m_path(filePath), m_library(filePath) {}

bool OptionalLibrary::fileExists() const
{
    return QFile::exists(m_path);
}

bool OptionalLibrary::load()
{
    return fileExists() && m_library.load();
}

bool OptionalLibrary::unload()
{
    return !isLoaded() || m_library.unload();
}

QString OptionalLibrary::beside(const QString &programFolder, const QString &baseName)
{
    return PlatformPaths::join(PlatformPaths::join(programFolder, QStringLiteral("PrtDll")),
                               PlatformPaths::libraryFileName(baseName));
}
