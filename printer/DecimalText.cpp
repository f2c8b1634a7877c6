#include "DecimalText.h"

#include <algorithm>

namespace virtualprinter
{

bool DecimalText::allDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), isDigit);
}

} // namespace virtualprinter
