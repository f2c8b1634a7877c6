#pragma once

#include <QMetaType>
#include <QString>

// One result of a read for the model: a field text, a list position, the
// resolution, or the wireless working mode's change handler to run. The
// reader hands them over one by one, in the order of its queries.
struct FieldUpdate {
    enum class Kind { Text, Index, Resolution, WirelessModeChange };

    Kind kind = Kind::Text;
    QString key;
    QString text;
    int index = -1;

    static FieldUpdate Text(const QString &key, const QString &text)
    {
        return {Kind::Text, key, text, -1};
    }
    static FieldUpdate Index(const QString &key, int index)
    {
        return {Kind::Index, key, {}, index};
    }
    static FieldUpdate Resolution(const QString &text) { return {Kind::Resolution, {}, text, -1}; }
    static FieldUpdate WirelessModeChange() { return {Kind::WirelessModeChange, {}, {}, -1}; }

    bool operator==(const FieldUpdate &) const = default;
};

Q_DECLARE_METATYPE(FieldUpdate)
