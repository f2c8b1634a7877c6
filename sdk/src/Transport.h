#pragma once

#include <cstddef>
#include <cstdint>

namespace prtsdk
{

// One way of reaching a printer. Every port kind implements it; the rest of
// the library only sees this interface.
class Transport
{
public:
    virtual ~Transport() = default;

    virtual int32_t open() = 0;
    virtual void close() = 0;

    // Puts all bytes on the wire within timeoutMs, or fails.
    virtual int32_t write(const uint8_t *bytes, size_t count, int timeoutMs) = 0;

    // Waits up to timeoutMs for the first byte, then stores what has arrived,
    // at most capacity bytes. Nothing within the bound is not an error.
    virtual int32_t read(uint8_t *buffer, size_t capacity, int timeoutMs, size_t &count) = 0;
};

} // namespace prtsdk
