#include "QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace
{

QMessageBox::Icon boxIcon(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::Information:
        return QMessageBox::Information;
    case Dialogs::Icon::Warning:
        return QMessageBox::Warning;
    case Dialogs::Icon::Error:
        return QMessageBox::Critical;
    case Dialogs::Icon::Question:
        return QMessageBox::Question;
    case Dialogs::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void QtDialogs::ShowMessage(const QString &text, const QString &caption, Icon icon)
{
    QMessageBox box(boxIcon(icon), caption, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

bool QtDialogs::AskOkCancel(const QString &text, const QString &caption, Icon icon, bool onTop)
{
    QMessageBox box(boxIcon(icon), caption, text, QMessageBox::Ok | QMessageBox::Cancel,
                    QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Cancel);
    if (onTop)
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return box.exec() == QMessageBox::Ok;
}

QString QtDialogs::OpenFileName(const QString &caption, const QString &filter)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, QString(), filter);
}

QString QtDialogs::SaveFileName(const QString &caption, const QString &filter,
                                const QString &suggestedName)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, suggestedName,
                                        filter);
}
