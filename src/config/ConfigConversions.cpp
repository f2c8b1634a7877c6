#include "ConfigConversions.h"

#include <QRegularExpression>

namespace
{

const QString kHighResolution = QStringLiteral("300");

// More digits than this could overflow the exact arithmetic below; no length
// on a label comes near.
constexpr qsizetype kMaxDigits = 15;

// A decimal text as an exact fraction, so rounding halves to even is never
// spoiled by binary floating point: 7.5 mm at 300 dpi is exactly 88.5 dots.
struct Fraction {
    qint64 numerator;
    qint64 denominator;
};

std::optional<Fraction> parseDecimal(const QString &text)
{
    static const QRegularExpression pattern(QRegularExpression::anchoredPattern(
        QStringLiteral(R"(\s*([+-]?)([0-9]*)(?:\.([0-9]*))?\s*)")));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QString whole = match.captured(2);
    const QString fraction = match.captured(3);
    if ((whole.isEmpty() && fraction.isEmpty()) || whole.size() + fraction.size() > kMaxDigits)
        return std::nullopt;
    qint64 denominator = 1;
    for (qsizetype i = 0; i < fraction.size(); ++i)
        denominator *= 10;
    const qint64 numerator = (whole + fraction).toLongLong();
    return Fraction{match.captured(1) == QLatin1String("-") ? -numerator : numerator, denominator};
}

qint64 roundHalfEven(qint64 numerator, qint64 denominator)
{
    const qint64 magnitude = numerator < 0 ? -numerator : numerator;
    qint64 quotient = magnitude / denominator;
    const qint64 twiceRest = 2 * (magnitude % denominator);
    if (twiceRest > denominator || (twiceRest == denominator && quotient % 2 != 0))
        ++quotient;
    return numerator < 0 ? -quotient : quotient;
}

// Scales the text by factor / divisor (both positive); rounding halves to
// even, or dropping the fraction.
std::optional<QString> scaled(const QString &text, qint64 factor, qint64 divisor, bool round)
{
    if (text.isEmpty())
        return QString();
    const std::optional<Fraction> value = parseDecimal(text);
    if (!value)
        return std::nullopt;
    const qint64 numerator = value->numerator * factor;
    const qint64 denominator = value->denominator * divisor;
    return QString::number(round ? roundHalfEven(numerator, denominator) : numerator / denominator);
}

} // namespace

std::optional<QString> ConfigConversions::CTC(const QString &dots, const QString &resolution)
{
    // 11.8 dots a millimetre is 118 dots in ten millimetres.
    if (resolution == kHighResolution)
        return scaled(dots, 10, 118, true);
    return scaled(dots, 1, 8, false);
}

std::optional<QString> ConfigConversions::UnCTC(const QString &millimetres,
                                                const QString &resolution)
{
    if (resolution == kHighResolution)
        return scaled(millimetres, 118, 10, true);
    return scaled(millimetres, 8, 1, true);
}

int ConfigConversions::SelectText(const QStringList &entries, const QString &reply)
{
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (entries.at(i).compare(reply, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return 0;
}

std::optional<bool> ConfigConversions::VersionAtLeast(const QString &version)
{
    const QStringList parts = version.split(u'.');
    if (parts.size() < 3)
        return false;
    const auto major = WholeNumber(QString(parts.at(0)).remove(QChar(u'V'), Qt::CaseInsensitive));
    const auto minor = WholeNumber(parts.at(1));
    const auto build = WholeNumber(QString(parts.at(2)).remove(QChar(u'D'), Qt::CaseInsensitive));
    if (!major || !minor || !build)
        return std::nullopt;
    if (*major != 10)
        return *major > 10;
    if (*minor != 1)
        return *minor > 1;
    return *build > 56;
}

std::optional<int> ConfigConversions::WholeNumber(const QString &text)
{
    static const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(QStringLiteral(R"(\s*[+-]?[0-9]{1,9}\s*)")));
    if (!pattern.match(text).hasMatch())
        return std::nullopt;
    return text.trimmed().toInt();
}
