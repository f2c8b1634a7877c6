#include "ConsoleDialogs.h"

#include "ConsoleReport.h"

#include <ostream>

namespace
{

QString asLines(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

void ConsoleDialogs::ShowMessage(const QString &text, const QString &, Icon icon)
{
    if (icon == Icon::Error)
        m_report.Fail(asLines(text));
    else
        m_out << asLines(text).toStdString() << '\n';
}

bool ConsoleDialogs::AskOkCancel(const QString &text, const QString &caption, Icon icon, bool)
{
    ShowMessage(text, caption, icon);
    return false;
}

QString ConsoleDialogs::OpenFileName(const QString &, const QString &)
{
    return QString();
}

QString ConsoleDialogs::SaveFileName(const QString &, const QString &, const QString &)
{
    return QString();
}
