#include "Trace.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace prtsdk
{

bool Trace::enabled()
{
    static const bool on = [] {
        const char *value = std::getenv("PRT_SDK_DEBUG");
        return value && *value && std::strcmp(value, "0") != 0;
    }();
    return on;
}

void Trace::call(const char *function, const void *handle, int32_t status)
{
    if (enabled())
        std::fprintf(stderr, "prtsdk: %s(%p) = %d\n", function, handle, status);
}

void Trace::bytes(const char *direction, const uint8_t *data, size_t count)
{
    if (!enabled())
        return;
    std::fprintf(stderr, "prtsdk: %s %zu bytes:", direction, count);
    for (size_t i = 0; i < count; ++i)
        std::fprintf(stderr, " %02X", data[i]);
    std::fputc('\n', stderr);
}

} // namespace prtsdk
