#pragma once

#include "LinkMessages.h"

#include <QString>

// Link messages for a command-line run: instead of a message box, the
// message is kept so the program can end with one clear line.
class ConsoleMessages : public LinkMessages
{
public:
    QString text(const QString &key) const override;
    void showError(const QString &message) override;

    bool errorShown() const { return !m_lastError.isNull(); }
    QString lastError() const { return m_lastError; }

private:
    QString m_lastError;
};
