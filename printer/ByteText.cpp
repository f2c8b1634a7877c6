#include "ByteText.h"

namespace virtualprinter
{

std::string ByteText::readable(std::string_view bytes)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string text;
    for (const char c : bytes.substr(0, ShownBytes)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f) {
            text += c;
            continue;
        }
        text += '<';
        text += Hex[byte >> 4];
        text += Hex[byte & 0x0f];
        text += '>';
    }
    if (bytes.size() > ShownBytes)
        text += "... (" + std::to_string(bytes.size()) + " bytes)";
    return text;
}

} // namespace virtualprinter
