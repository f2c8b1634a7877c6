#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace virtualprinter
{

// The binary getkey / setkey frame, decoded.
struct KeyFrame {
    bool isSet = false;
    std::uint8_t zone = 0;
    std::uint16_t key = 0;
    std::uint8_t constant = 0;
    std::uint8_t value = 0;
};

// One piece cut from the front of the input.
struct ParsedUnit {
    enum class Kind {
        Incomplete, // nothing can be decided before more bytes arrive
        Stray,      // bytes outside any frame (label data, noise)
        Broken,     // a frame that never ended; dropped to find the next one
        Text,       // prefix, command text, CR LF
        Key,        // prefix, getkey or setkey, CR LF, binary tail
    };
    Kind kind = Kind::Incomplete;
    std::size_t length = 0;
    std::string_view text; // Text: the command between prefix and line end
    KeyFrame key;          // Key only
};

// Cuts command frames out of the byte stream. It keeps no state: the caller
// holds the bytes not yet consumed and asks again when more arrive, so frames
// split over several reads and several frames in one read come out the same.
class FrameParser
{
public:
    // Longer command lines are taken for garbage, so a host that never sends
    // a line end cannot make the printer buffer without limit.
    static constexpr std::size_t MaxLineLength = 4096;

    static ParsedUnit next(std::string_view pending);

private:
    static ParsedUnit outsideFrame(std::string_view pending);
    static ParsedUnit keyFrame(std::string_view pending, bool isSet);
    static ParsedUnit textFrame(std::string_view pending);
    static std::size_t partialPrefixAtEnd(std::string_view pending);
};

} // namespace virtualprinter
