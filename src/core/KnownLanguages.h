#pragma once

#include <QString>

#include <array>

// The languages the program knows, by Windows language id in decimal, with
// the command-line switch that picks each and the key of its display name.
class KnownLanguages
{
public:
    struct Language {
        const char16_t *id;
        const char16_t *switchText; // nullptr: no switch
        const char16_t *displayNameKey;
        bool ownTableFile; // table texts in "UtilityLanguage_<id>.ini"
    };

    static const std::array<Language, 8> &All();

    // The id a first program argument picks, or an empty text.
    static QString IdOfSwitch(const QString &argument);

    static bool HasOwnTableFile(const QString &id);

    // The system language as the program treats it: every Spanish variant
    // counts as 1034, Portuguese (Portugal) as 1046, Chinese of Hong Kong and
    // Macao as 1028; others stay as they are.
    static int MapSystemLanguage(int languageId);
};
