#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// The bytes a host sends and the bytes it expects back, built from the frame
// layouts on their own so that the printer's code is checked against them
// rather than against itself.
class HostFrames
{
public:
    // The seven bytes that open every command frame.
    static std::string prefix();

    static std::string getval(std::string_view name);
    static std::string setval(std::string_view name, std::string_view value);
    // do "first" "second" ...
    static std::string doCommand(std::initializer_list<std::string_view> arguments);
    static std::string getkey(std::uint8_t zone, std::uint16_t key);
    static std::string setkey(std::uint8_t zone, std::uint16_t key, std::uint8_t value);

    // A 1036-byte download packet for up to 1024 data bytes.
    static std::string packet(std::uint32_t index, std::string_view data);
    // The 12-byte acknowledgement a packet with this index should get.
    static std::string acknowledgement(std::uint32_t index, std::uint16_t status);
    static std::uint16_t byteSum16(std::string_view bytes);

    // Shows bytes as hexadecimal, so failures print readably.
    static std::string hex(std::string_view bytes);
};
