#pragma once

#include "LinkMessages.h"

#include <QString>

// Link messages for a command-line run: instead of a message box, the
// message is kept so the program can end with one clear line. Other texts
// come from the English section of the language file beside the program,
// when there is one, and are otherwise their own keys.
class ConsoleMessages : public LinkMessages
{
public:
    explicit ConsoleMessages(QString languageFile = QString());

    QString text(const QString &key) const override;
    void showError(const QString &message) override;

    bool errorShown() const { return !m_lastError.isNull(); }
    QString lastError() const { return m_lastError; }

private:
    QString m_languageFile;
    QString m_lastError;
};
