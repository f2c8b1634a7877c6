#pragma once

#include "SystemLanguage.h"

#include <QLocale>

// The system language from the locale, turned into the Windows language id
// the language files are keyed by. A locale whose territory is unknown takes
// the id of its language's main territory; an unknown language gives 1033.
class QtSystemLanguage : public SystemLanguage
{
public:
    explicit QtSystemLanguage(QLocale locale = QLocale::system());

    int DefaultLanguageId() const override;
    QString LanguageName(int languageId) const override;

    static int LanguageIdOf(const QLocale &locale);

private:
    QLocale m_locale;
};
