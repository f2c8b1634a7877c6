#pragma once

#include "Dialogs.h"

#include <QDateTime>
#include <QString>
#include <QTimeZone>

class Clock;

// Small utilities shared by the whole program: the two standard boxes, the
// clock and the conversion of local time for the printer's clock.
class TGlobalFunc
{
public:
    struct UtcTime {
        QDateTime utc;
        int biasMinutes; // positive west of Greenwich
    };

    TGlobalFunc(Dialogs &dialogs, const Clock &clock);

    // A notice with the caption "Info".
    void ShowInfo(const QString &text);
    // OK and Cancel with the caption "Warn", above every window; true for OK.
    bool AskOkCancel(const QString &text);

    QDateTime Now() const;

    // The zone's standard bias is added whatever the daylight-saving state;
    // the printer gets the same bias as its zone, so its local time comes
    // out as typed.
    static UtcTime LocalToUtc(const QDateTime &local,
                              const QTimeZone &zone = QTimeZone::systemTimeZone());

    Dialogs &dialogs() { return m_dialogs; }

private:
    Dialogs &m_dialogs;
    const Clock &m_clock;
};
