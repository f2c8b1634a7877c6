#include "ProgramIcon.h"

#include "PlatformPaths.h"

#include <QFileInfo>

QString ProgramIcon::FilePath(const QString &programFolder)
{
    return PlatformPaths::join(PlatformPaths::join(programFolder, QStringLiteral("icon")),
                               QStringLiteral("icon16.ico"));
}

QIcon ProgramIcon::Load(const QString &programFolder)
{
    const QString path = FilePath(programFolder);
    return QFileInfo::exists(path) ? QIcon(path) : QIcon();
}
