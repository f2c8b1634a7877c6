#pragma once

#include <QString>

// Fixed words of the settings: the printer's after-print actions and the
// default of the firmware-check switches.
class TConstVar
{
public:
    const QString Tear = QStringLiteral("tear");
    const QString Peel = QStringLiteral("peel");
    const QString Cutter = QStringLiteral("cutter");
    const QString RollCutter = QStringLiteral("roll_cutter");
    const QString None = QStringLiteral("none");
    const QString DefaultOff = QStringLiteral("0");
};
