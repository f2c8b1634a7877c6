#include "ShutdownSequence.h"

#include <exception>

void ShutdownSequence::Add(const QString &name, Step step)
{
    m_steps.append({name, std::move(step)});
}

QStringList ShutdownSequence::Names() const
{
    QStringList names;
    for (const auto &step : m_steps)
        names << step.first;
    return names;
}

QString ShutdownSequence::Run() const
{
    QString firstFailure;
    for (const auto &[name, step] : m_steps) {
        QString failure;
        try {
            failure = step();
        } catch (const std::exception &error) {
            failure = QString::fromLocal8Bit(error.what());
        }
        if (firstFailure.isEmpty() && !failure.isEmpty())
            firstFailure = failure;
    }
    if (firstFailure.isEmpty())
        return QString();
    return QStringLiteral("ERRNO:20200909_102701,") + firstFailure;
}
