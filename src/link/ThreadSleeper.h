#pragma once

#include "Sleeper.h"

// Waits for real by suspending the calling thread.
class ThreadSleeper : public Sleeper
{
public:
    void sleep(int milliseconds) override;
};
