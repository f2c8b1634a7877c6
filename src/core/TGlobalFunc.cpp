#include "TGlobalFunc.h"

#include "Clock.h"

TGlobalFunc::TGlobalFunc(Dialogs &dialogs, const Clock &clock) : m_dialogs(dialogs), m_clock(clock)
{
}

void TGlobalFunc::ShowInfo(const QString &text)
{
    m_dialogs.ShowMessage(text, QStringLiteral("Info"), Dialogs::Icon::Information);
}

bool TGlobalFunc::AskOkCancel(const QString &text)
{
    return m_dialogs.AskOkCancel(text, QStringLiteral("Warn"), Dialogs::Icon::Question, true);
}

QDateTime TGlobalFunc::Now() const
{
    return m_clock.Now();
}

TGlobalFunc::UtcTime TGlobalFunc::LocalToUtc(const QDateTime &local, const QTimeZone &zone)
{
    const int bias = -zone.standardTimeOffset(local) / 60;
    const QDateTime wallClock(local.date(), local.time(), QTimeZone::utc());
    return {wallClock.addSecs(qint64(bias) * 60), bias};
}
