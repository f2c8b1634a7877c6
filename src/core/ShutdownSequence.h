#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// Releases the process-wide objects in a fixed order. Every step runs even
// when an earlier one failed, so nothing is left open; the first failure is
// reported with the shut-down's own tag in front of it.
class ShutdownSequence
{
public:
    // A step gives an empty text when it went well, else what went wrong.
    using Step = std::function<QString()>;

    void Add(const QString &name, Step step);
    QStringList Names() const;

    // Empty when every step went well, else
    // "ERRNO:20200909_102701," and the first failure.
    QString Run() const;

private:
    QList<std::pair<QString, Step>> m_steps;
};
