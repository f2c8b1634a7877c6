#include "ValueWords.h"

#include <QHash>

const QStringList &ValueWords::words(List list)
{
    static const QHash<int, QStringList> lists = {
        {OnOff, {"on", "off"}},
        {MediaSensor, {"gap", "black_mark", "continuous"}},
        {SensorAction, {"feed", "calibation", "none"}},
        {ControlCodes, {"standard", "alternate", "alternate-2"}},
        {PrintMode, {"tear", "cutter", "peel"}},
        {WlanEncryption, {"wpa", "wep1", "wep2"}},
        {PrintMethod, {"thermal_transfer", "direct_thermal"}},
        {TopOfFormBackup, {"enable", "disable"}},
        {YesNo, {"yes", "no"}},
        {WlanMode, {"ap", "sta"}},
        {AlignCenter, {"off", "on"}},
    };
    static const QStringList none;
    const auto it = lists.constFind(list);
    return it == lists.constEnd() ? none : *it;
}

std::optional<int> ValueWords::indexOf(List list, const QString &reply)
{
    if (reply.isEmpty())
        return std::nullopt;
    const qsizetype index = words(list).indexOf(reply);
    return index < 0 ? 0 : static_cast<int>(index);
}

QString ValueWords::word(List list, int index)
{
    const QStringList &all = words(list);
    if (index < 0 || index >= all.size())
        return QString();
    return all.at(index);
}
