#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The conversions between what the printer reports and what the pages
// show. A conversion that meets a text which is not a number gives nothing;
// the caller decides how to report it.
class ConfigConversions
{
public:
    // Printer dots to millimetres by the resolution of the latest read: at
    // "300" divided by 11.8 and rounded, halves to the even neighbour;
    // otherwise divided by 8 with the fraction dropped. An empty text gives
    // an empty text.
    static std::optional<QString> CTC(const QString &dots, const QString &resolution);
    // Millimetres to dots: at "300" multiplied by 11.8 and rounded, halves to
    // even; otherwise multiplied by 8.
    static std::optional<QString> UnCTC(const QString &millimetres, const QString &resolution);

    // The position of the first entry equal to the reply without regard to
    // case, 0 when none is.
    static int SelectText(const QStringList &entries, const QString &reply);

    // Whether the firmware version is at least 10.1.57, the first that
    // knows sns_lock. Fewer than three parts give false; parts that are not
    // numbers give nothing.
    static std::optional<bool> VersionAtLeast(const QString &version);

    // The value of a whole number in decimal, or nothing.
    static std::optional<int> WholeNumber(const QString &text);
};
