#pragma once

#include <cstddef>
#include <cstdint>

namespace prtsdk
{

// Waits until a descriptor is ready for the given poll events, retrying when a
// signal interrupts the wait. Returns 1 when ready, 0 on time-out, -1 on error.
int pollWait(int fd, short events, int timeoutMs);

// Writes all bytes to a non-blocking descriptor within timeoutMs, waiting
// with poll whenever it is full; sockets are written without raising
// SIGPIPE. 0 when all went out, ETIMEDOUT when the bound passed, otherwise
// the errno of the failed write.
int writeWithin(int fd, const uint8_t *bytes, size_t count, int timeoutMs, bool isSocket);

// Milliseconds since an arbitrary fixed point, for deadlines.
int64_t monotonicMs();

} // namespace prtsdk
