#pragma once

// What a stand-in library remembers: every call it received, one line each,
// with its arguments. The test reads the journal back through the library's
// own exported functions, so it sees exactly what the program handed over.

#include <cstdint>
#include <string>

#define STANDIN_EXPORT extern "C" __attribute__((visibility("default")))

namespace standin
{

inline std::u16string &journal()
{
    static std::u16string lines;
    return lines;
}

inline std::u16string number(std::int64_t value)
{
    std::u16string text;
    for (char c : std::to_string(value))
        text += static_cast<char16_t>(c);
    return text;
}

inline std::u16string text(const char16_t *value)
{
    return value ? std::u16string(value) : std::u16string(u"<null>");
}

inline void record(const std::u16string &call, const std::u16string &arguments = {})
{
    journal() += call + u"(" + arguments + u")\n";
}

} // namespace standin

STANDIN_EXPORT const char16_t *StandIn_Journal()
{
    return standin::journal().c_str();
}

STANDIN_EXPORT void StandIn_Reset()
{
    standin::journal().clear();
}
