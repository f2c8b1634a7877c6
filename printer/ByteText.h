#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace virtualprinter
{

// Bytes as a person reads them in a log: printable characters as they are,
// everything else as <1B>, long runs cut short.
class ByteText
{
public:
    static constexpr std::size_t ShownBytes = 96;

    static std::string readable(std::string_view bytes);
};

} // namespace virtualprinter
