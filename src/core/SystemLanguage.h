#pragma once

#include <QString>

// The user's language as the operating system reports it, as a Windows
// language id, and the system's name of a language id.
class SystemLanguage
{
public:
    virtual ~SystemLanguage() = default;
    virtual int DefaultLanguageId() const = 0;
    virtual QString LanguageName(int languageId) const = 0;
};
