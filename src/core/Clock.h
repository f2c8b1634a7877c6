#pragma once

#include <QDateTime>

// The current local date and time, replaceable in tests.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime Now() const = 0;
};
