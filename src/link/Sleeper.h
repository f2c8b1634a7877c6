#pragma once

// Every wait of the program goes through a sleeper, so tests can record the
// waits instead of spending them.
class Sleeper
{
public:
    virtual ~Sleeper() = default;
    virtual void sleep(int milliseconds) = 0;
};
