#include "WindowIdentityDialog.h"

#include "TfrmTestCfg.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

IdentityDialog::Choice WindowIdentityDialog::RunIdentityDialog()
{
    TfrmTestCfg dialog;
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        dialog.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, dialog.size(),
                                               screen->availableGeometry()));
    dialog.exec();
    return dialog.Result();
}
