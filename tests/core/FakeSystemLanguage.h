#pragma once

#include "SystemLanguage.h"

// A system language chosen by the test.
class FakeSystemLanguage : public SystemLanguage
{
public:
    int DefaultLanguageId() const override { return id; }
    QString LanguageName(int languageId) const override
    {
        return QStringLiteral("system-%1").arg(languageId);
    }
    int id = 1033;
};
