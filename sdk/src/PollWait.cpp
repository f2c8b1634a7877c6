#include "PollWait.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

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

int writeWithin(int fd, const uint8_t *bytes, size_t count, int timeoutMs, bool isSocket)
{
    const int64_t deadline = monotonicMs() + timeoutMs;
    size_t written = 0;
    while (written < count) {
        // One call for the whole buffer; only a full buffer splits it.
        const ssize_t n = isSocket ? ::send(fd, bytes + written, count - written, MSG_NOSIGNAL)
                                   : ::write(fd, bytes + written, count - written);
        if (n > 0) {
            written += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
            return errno;
        const int64_t left = deadline - monotonicMs();
        if (left <= 0 || pollWait(fd, POLLOUT, static_cast<int>(left)) < 0)
            return ETIMEDOUT;
    }
    return 0;
}

} // namespace prtsdk
