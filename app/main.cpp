#include "ApplicationCore.h"
#include "DesktopShell.h"
#include "QtDialogs.h"
#include "QtSystemLanguage.h"
#include "SdkPrinterApi.h"
#include "SystemClock.h"
#include "TfrmSetTool.h"
#include "ThreadSleeper.h"
#include "UtilityProgram.h"
#include "WindowIdentityDialog.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(ApplicationCore::Title());
    QApplication::setDesktopFileName(QStringLiteral("printer-utility"));

    QtDialogs dialogs;
    SystemClock clock;
    QtSystemLanguage systemLanguage;
    SdkPrinterApi printerApi;
    ThreadSleeper sleeper;
    WindowIdentityDialog identityDialog;
    UtilityProgram program(ApplicationCore::SystemEnvironment(QApplication::arguments()),
                           {dialogs, clock, systemLanguage, printerApi, sleeper, &identityDialog,
                            DesktopShell::OpenTarget});
    program.StartUp();
    program.MainWindow()->show();
    return QApplication::exec();
}
