#include "HostFrames.h"

#include <cstdio>

namespace
{

std::string quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

void put16(std::string &bytes, std::uint16_t value)
{
    bytes.push_back(static_cast<char>(value & 0xff));
    bytes.push_back(static_cast<char>(value >> 8));
}

std::string keyFrame(std::string_view word, std::uint8_t zone, std::uint16_t key)
{
    std::string frame = HostFrames::prefix() + std::string(word) + "\r\n";
    frame.push_back(static_cast<char>(zone));
    put16(frame, key);
    frame.push_back('\x01');
    return frame;
}

} // namespace

std::string HostFrames::prefix()
{
    return {"\x1b\x1c\x26\x20\x56\x31\x20", 7};
}

std::string HostFrames::getval(std::string_view name)
{
    return prefix() + "getval " + quoted(name) + "\r\n";
}

std::string HostFrames::setval(std::string_view name, std::string_view value)
{
    return prefix() + "setval " + quoted(name) + " " + quoted(value) + "\r\n";
}

std::string HostFrames::doCommand(std::initializer_list<std::string_view> arguments)
{
    std::string frame = prefix() + "do";
    for (std::string_view argument : arguments)
        frame += " " + quoted(argument);
    return frame + "\r\n";
}

std::string HostFrames::getkey(std::uint8_t zone, std::uint16_t key)
{
    return keyFrame("getkey", zone, key);
}

std::string HostFrames::setkey(std::uint8_t zone, std::uint16_t key, std::uint8_t value)
{
    return keyFrame("setkey", zone, key) + static_cast<char>(value);
}

std::string HostFrames::packet(std::uint32_t index, std::string_view data)
{
    std::string bytes{"\xdd\xcc\xbb\xaa", 4};
    put16(bytes, static_cast<std::uint16_t>(index & 0xffff));
    put16(bytes, static_cast<std::uint16_t>(index >> 16));
    put16(bytes, static_cast<std::uint16_t>(data.size()));
    bytes += data;
    const std::uint16_t sum = byteSum16(bytes);
    bytes.resize(1034, '\0');
    put16(bytes, sum);
    return bytes;
}

std::string HostFrames::acknowledgement(std::uint32_t index, std::uint16_t status)
{
    std::string bytes = packet(index, {}).substr(0, 8);
    put16(bytes, status);
    put16(bytes, byteSum16(bytes));
    return bytes;
}

std::uint16_t HostFrames::byteSum16(std::string_view bytes)
{
    unsigned sum = 0;
    for (const char byte : bytes)
        sum = (sum + static_cast<unsigned char>(byte)) % 65536;
    return static_cast<std::uint16_t>(sum);
}

std::string HostFrames::hex(std::string_view bytes)
{
    std::string text;
    char digits[4];
    for (const char byte : bytes) {
        std::snprintf(digits, sizeof digits, "%02X ", static_cast<unsigned char>(byte));
        text += digits;
    }
    return text;
}
