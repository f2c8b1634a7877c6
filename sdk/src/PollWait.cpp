#include "PollWait.h"

#include <poll.h>

#include <cerrno>
#include <chrono>

namespace prtsdk
{

int64_t monotonicMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

int pollWait(int fd, short events, int timeoutMs)
{
    const int64_t deadline = monotonicMs() + timeoutMs;
    for (;;) {
        pollfd entry{fd, events, 0};
        const int64_t left = deadline - monotonicMs();
        const int ready = ::poll(&entry, 1, left > 0 ? static_cast<int>(left) : 0);
        if (ready > 0)
            return 1;
        if (ready == 0)
            return 0;
        if (errno != EINTR)
            return -1;
    }
}

} // namespace prtsdk
