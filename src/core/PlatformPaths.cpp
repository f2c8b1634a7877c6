#include "PlatformPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

QString PlatformPaths::separator()
{
    return QString(QDir::separator());
}

QString PlatformPaths::withSeparator(const QString &folder)
{
    if (folder.isEmpty() || folder.endsWith(separator()) || folder.endsWith(u'/'))
        return folder;
    return folder + separator();
}

QString PlatformPaths::join(const QString &folder, const QString &name)
{
    return withSeparator(folder) + name;
}

QString PlatformPaths::localAppData()
{
    const QString fromEnvironment = qEnvironmentVariable("LOCALAPPDATA");
    if (!fromEnvironment.isEmpty())
        return withSeparator(QDir::toNativeSeparators(fromEnvironment));
    return withSeparator(QDir::toNativeSeparators(
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)));
}

QString PlatformPaths::programFolder()
{
    return withSeparator(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
}

bool PlatformPaths::ensureFolder(const QString &folder)
{
    return !folder.isEmpty() && QDir().mkpath(folder);
}

QString PlatformPaths::libraryFileName(const QString &baseName)
{
#if defined(Q_OS_WIN)
    return baseName + QStringLiteral(".dll");
#elif defined(Q_OS_MACOS)
    return baseName + QStringLiteral(".dylib");
#else
    return baseName + QStringLiteral(".so");
#endif
}
