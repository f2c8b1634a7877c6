#pragma once

#include "Dialogs.h"

#include <QString>

#include <functional>

struct ConfigField;

// The message boxes of the configuration pages, with their texts from the
// window language: errors under the error caption, notices under the
// message caption. The few texts the language files do not hold are the
// program's own, in English.
class ConfigMessages
{
public:
    using Lookup = std::function<QString(const QString &key)>;

    ConfigMessages(Dialogs &dialogs, Lookup lookup);

    QString text(const QString &key) const;
    void ShowError(const QString &message);
    void ShowNotice(const QString &message);
    Dialogs &dialogs() { return m_dialogs; }

    // A field that needs a number and holds something else, named by its
    // label.
    QString FieldNotANumber(const ConfigField &field, const QString &text) const;
    // A reply where the printer should have sent a number.
    static QString NotANumber(const QString &text);
    // An index entry of a parameter file that is not a whole number.
    static QString NotAWholeNumber(const QString &text);

private:
    Dialogs &m_dialogs;
    Lookup m_lookup;
};
