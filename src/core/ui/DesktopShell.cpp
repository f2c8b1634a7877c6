#include "DesktopShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

void DesktopShell::OpenTarget(const QString &target)
{
    const QUrl url =
        QFileInfo::exists(target) ? QUrl::fromLocalFile(target) : QUrl::fromUserInput(target);
    QDesktopServices::openUrl(url);
}
