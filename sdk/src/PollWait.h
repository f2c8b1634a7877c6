#pragma once

#include <cstdint>

namespace prtsdk
{

// Waits until a descriptor is ready for the given poll events, retrying when a
// signal interrupts the wait. Returns 1 when ready, 0 on time-out, -1 on error.
int pollWait(int fd, short events, int timeoutMs);

// Milliseconds since an arbitrary fixed point, for deadlines.
int64_t monotonicMs();

} // namespace prtsdk
