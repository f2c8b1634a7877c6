#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace virtualprinter
{

// Status word of a packet acknowledgement; 0 is success.
enum class AckStatus : std::uint16_t {
    Ok = 0,
    BadMarker = 1,
    BadIndex = 2,
    BadLength = 3,
    BadChecksum = 4,
    StorageFull = 5,
    Refused = 6,
};

// One 1036-byte download packet: marker, index, data length, 1024 data bytes
// and a 16-bit byte sum, numbers low byte first.
class DataPacket
{
public:
    // The sum of the bytes modulo 65536.
    static std::uint16_t byteSum16(std::string_view bytes);
    // The 12-byte answer: the packet's first 8 bytes, the status, the sum.
    static std::string acknowledgement(std::string_view echo, AckStatus status);

    // The bytes must be a whole packet.
    explicit DataPacket(std::string_view bytes) : m_bytes(bytes) {}

    bool hasMarker() const;
    std::uint32_t index() const;
    std::uint16_t dataLength() const;
    bool lengthValid() const;
    // Only meaningful when the length is valid.
    bool checksumValid() const;
    std::string_view data() const;
    std::string_view echo() const;

private:
    std::string_view m_bytes;
};

} // namespace virtualprinter
