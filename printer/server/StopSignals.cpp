#include "StopSignals.h"

#include "WakePipe.h"

namespace prtsim
{
namespace
{

volatile std::sig_atomic_t wakeDescriptor = -1;

} // namespace

StopSignals::StopSignals(int wakeFd)
{
    wakeDescriptor = wakeFd;
    struct sigaction action {
    };
    action.sa_handler = &StopSignals::handle;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, &m_previousInterrupt);
    ::sigaction(SIGTERM, &action, &m_previousTerminate);
}

StopSignals::~StopSignals()
{
    ::sigaction(SIGINT, &m_previousInterrupt, nullptr);
    ::sigaction(SIGTERM, &m_previousTerminate, nullptr);
    wakeDescriptor = -1;
}

void StopSignals::handle(int)
{
    if (wakeDescriptor >= 0)
        WakePipe::wake(wakeDescriptor);
}

} // namespace prtsim
