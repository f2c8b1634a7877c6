#include "WakePipe.h"

#include <fcntl.h>
#include <unistd.h>

namespace prtsim
{

WakePipe::WakePipe()
{
    int fds[2] = {-1, -1};
    if (::pipe2(fds, O_NONBLOCK | O_CLOEXEC) == 0) {
        m_read.reset(fds[0]);
        m_write.reset(fds[1]);
    }
}

void WakePipe::wake(int writeFd)
{
    const char byte = 1;
    // A full pipe already holds a wake-up; nothing more is needed.
    [[maybe_unused]] const ssize_t written = ::write(writeFd, &byte, 1);
}

} // namespace prtsim
