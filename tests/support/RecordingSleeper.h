#pragma once

#include "Sleeper.h"

#include <vector>

// Records each wait instead of spending it.
class RecordingSleeper : public Sleeper
{
public:
    void sleep(int milliseconds) override { waits.push_back(milliseconds); }
    std::vector<int> waits;
};
