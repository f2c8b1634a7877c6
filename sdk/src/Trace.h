#pragma once

#include <cstddef>
#include <cstdint>

namespace prtsdk
{

// Call tracing for people debugging a connection: off unless the environment
// variable PRT_SDK_DEBUG is set to a non-empty value other than "0".
class Trace
{
public:
    static bool enabled();
    static void call(const char *function, const void *handle, int32_t status);
    static void bytes(const char *direction, const uint8_t *data, size_t count);
};

} // namespace prtsdk
