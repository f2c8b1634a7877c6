#pragma once

#include "ConfigField.h"

#include <QString>

#include <optional>

// What a field lets the user type and what it becomes when the user leaves
// it, so the values reach the printer in the form it expects.
class InputRules
{
public:
    static constexpr int Backspace = 8;
    static constexpr int CarriageReturn = 13;
    static constexpr int Delete = 127;

    // Key filters: digits and the editing keys pass, the signed variant also
    // lets the minus sign through.
    static bool CheckImportNumber(int key);
    static bool CheckImportSignedNumber(int key);
    // The filter of the field with this key; every key passes a field
    // without one.
    static bool AcceptsKey(const QString &fieldKey, int key);

    // How many characters the field takes; 0 for no limit.
    static int MaxLength(const QString &fieldKey);

    // The text a field takes when the user leaves it: an empty field becomes
    // "0", a value beyond the field's bound is cut back to it. Nothing when
    // the text is not a number; fields without a bound keep their text.
    static std::optional<QString> CheckValue(const QString &fieldKey, const QString &text);

    // Whether the text can go out where the field needs a number: empty, or
    // a whole number its filter could have produced.
    static bool IsNumberFor(const ConfigField &field, const QString &text);
};
