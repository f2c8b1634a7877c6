#include "ConsoleMessages.h"

#include "IniFile.h"
#include "prtsdk.h"

namespace
{
const QString kEnglish = QStringLiteral("1033");
} // namespace

ConsoleMessages::ConsoleMessages(QString languageFile) : m_languageFile(std::move(languageFile)) {}

QString ConsoleMessages::text(const QString &key) const
{
    if (key == QLatin1String("_Err_OpenPort"))
        return QStringLiteral("cannot open the port");
    if (key == QLatin1String("_Err_CreatePrinter"))
        return QStringLiteral("cannot create the printer object");
    if (key.startsWith(QLatin1String("_Error_")))
        return QString::fromUtf8(prt_error_message(-key.mid(7).toInt()));
    if (m_languageFile.isEmpty())
        return key;
    const QString text = IniFile(m_languageFile).readString(kEnglish, key);
    return text.isEmpty() ? key : text;
}

void ConsoleMessages::showError(const QString &message)
{
    m_lastError = message;
}
