#pragma once

#include <csignal>

namespace prtsim
{

// Turns SIGINT and SIGTERM into a wake-up of the server, which then shuts
// down in order. The previous handlers come back when this is dropped.
class StopSignals
{
public:
    explicit StopSignals(int wakeFd);
    ~StopSignals();
    StopSignals(const StopSignals &) = delete;
    StopSignals &operator=(const StopSignals &) = delete;

private:
    static void handle(int signal);

    struct sigaction m_previousInterrupt {
    };
    struct sigaction m_previousTerminate {
    };
};

} // namespace prtsim
