#pragma once

#include "Clock.h"

// The computer's clock.
class SystemClock : public Clock
{
public:
    QDateTime Now() const override { return QDateTime::currentDateTime(); }
};
