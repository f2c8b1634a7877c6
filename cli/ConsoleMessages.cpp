#include "ConsoleMessages.h"

#include "prtsdk.h"

QString ConsoleMessages::text(const QString &key) const
{
    if (key == QLatin1String("_Err_OpenPort"))
        return QStringLiteral("cannot open the port");
    if (key == QLatin1String("_Err_CreatePrinter"))
        return QStringLiteral("cannot create the printer object");
    if (key.startsWith(QLatin1String("_Error_")))
        return QString::fromUtf8(prt_error_message(-key.mid(7).toInt()));
    return key;
}

void ConsoleMessages::showError(const QString &message)
{
    m_lastError = message;
}
