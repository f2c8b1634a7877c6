#pragma once

#include "Clock.h"

// A clock that shows whatever the test set.
class FixedClock : public Clock
{
public:
    FixedClock() = default;
    explicit FixedClock(QDateTime now) : now(std::move(now)) {}
    QDateTime Now() const override { return now; }
    QDateTime now;
};
