#pragma once

#include "FileDescriptor.h"

namespace prtsim
{

// A pipe the server's poll loop watches, so another thread or a signal
// handler can wake it.
class WakePipe
{
public:
    WakePipe();

    int readFd() const { return m_read.get(); }
    int writeFd() const { return m_write.get(); }
    // Safe from a signal handler.
    static void wake(int writeFd);
    void wake() const { wake(writeFd()); }

private:
    FileDescriptor m_read;
    FileDescriptor m_write;
};

} // namespace prtsim
