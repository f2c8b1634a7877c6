#include "InputRules.h"

#include "ConfigConversions.h"
#include "ConfigFields.h"

#include <QRegularExpression>

namespace
{

bool isDigit(int key)
{
    return key >= '0' && key <= '9';
}

} // namespace

bool InputRules::CheckImportNumber(int key)
{
    return isDigit(key) || key == Backspace || key == CarriageReturn || key == Delete;
}

bool InputRules::CheckImportSignedNumber(int key)
{
    return CheckImportNumber(key) || key == '-';
}

bool InputRules::AcceptsKey(const QString &fieldKey, int key)
{
    const ConfigField *field = ConfigFields::find(fieldKey);
    if (!field)
        return true;
    switch (field->filter) {
    case ConfigField::Filter::Digits:
        return CheckImportNumber(key);
    case ConfigField::Filter::SignedDigits:
        return CheckImportSignedNumber(key);
    case ConfigField::Filter::None:
        break;
    }
    return true;
}

int InputRules::MaxLength(const QString &fieldKey)
{
    const ConfigField *field = ConfigFields::find(fieldKey);
    return field ? field->maxLength : 0;
}

std::optional<QString> InputRules::CheckValue(const QString &fieldKey, const QString &text)
{
    const ConfigField *field = ConfigFields::find(fieldKey);
    if (!field || field->bound == 0)
        return text;
    if (text.isEmpty())
        return QStringLiteral("0");
    const std::optional<int> value = ConfigConversions::WholeNumber(text);
    if (!value)
        return std::nullopt;
    if (*value > field->bound)
        return QString::number(field->bound);
    if (*value < -field->bound)
        return QString::number(-field->bound);
    return text;
}

bool InputRules::IsNumberFor(const ConfigField &field, const QString &text)
{
    static const QRegularExpression digits(
        QRegularExpression::anchoredPattern(QStringLiteral("[0-9]*")));
    static const QRegularExpression signedDigits(
        QRegularExpression::anchoredPattern(QStringLiteral("(-?[0-9]+)?")));
    switch (field.filter) {
    case ConfigField::Filter::Digits:
        return digits.match(text).hasMatch();
    case ConfigField::Filter::SignedDigits:
        return signedDigits.match(text).hasMatch();
    case ConfigField::Filter::None:
        break;
    }
    return true;
}
