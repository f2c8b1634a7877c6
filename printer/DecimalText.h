#pragma once

#include <string_view>

namespace virtualprinter
{

// The printer takes numbers only as plain decimal digits: no sign, no
// blanks, nothing a lenient parser would let through.
class DecimalText
{
public:
    static bool isDigit(char c) { return c >= '0' && c <= '9'; }
    static bool allDigits(std::string_view text);
};

} // namespace virtualprinter
