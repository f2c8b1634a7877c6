#include "DataPacket.h"

#include "Protocol.h"

namespace virtualprinter
{
namespace
{

constexpr std::size_t IndexOffset = 4;
constexpr std::size_t LengthOffset = 8;
constexpr std::size_t DataOffset = 10;
constexpr std::size_t ChecksumOffset = DataOffset + protocol::PacketDataCapacity;

unsigned byteAt(std::string_view bytes, std::size_t offset)
{
    return static_cast<unsigned char>(bytes[offset]);
}

std::uint16_t read16(std::string_view bytes, std::size_t offset)
{
    return static_cast<std::uint16_t>(byteAt(bytes, offset) | byteAt(bytes, offset + 1) << 8);
}

void append16(std::string &bytes, std::uint16_t value)
{
    bytes += static_cast<char>(value & 0xff);
    bytes += static_cast<char>(value >> 8);
}

} // namespace

std::uint16_t DataPacket::byteSum16(std::string_view bytes)
{
    std::uint16_t sum = 0;
    for (const char byte : bytes)
        sum = static_cast<std::uint16_t>(sum + static_cast<unsigned char>(byte));
    return sum;
}

std::string DataPacket::acknowledgement(std::string_view echo, AckStatus status)
{
    std::string reply(echo.substr(0, protocol::PacketEchoSize));
    reply.resize(protocol::PacketEchoSize, '\0');
    append16(reply, static_cast<std::uint16_t>(status));
    append16(reply, byteSum16(reply));
    return reply;
}

bool DataPacket::hasMarker() const
{
    return m_bytes.substr(0, protocol::PacketMarker.size()) == protocol::PacketMarker;
}

std::uint32_t DataPacket::index() const
{
    return read16(m_bytes, IndexOffset) |
           static_cast<std::uint32_t>(read16(m_bytes, IndexOffset + 2)) << 16;
}

std::uint16_t DataPacket::dataLength() const
{
    return read16(m_bytes, LengthOffset);
}

bool DataPacket::lengthValid() const
{
    return dataLength() <= protocol::PacketDataCapacity;
}

bool DataPacket::checksumValid() const
{
    const std::string_view covered = m_bytes.substr(0, DataOffset + dataLength());
    return byteSum16(covered) == read16(m_bytes, ChecksumOffset);
}

std::string_view DataPacket::data() const
{
    return m_bytes.substr(DataOffset, dataLength());
}

std::string_view DataPacket::echo() const
{
    return m_bytes.substr(0, protocol::PacketEchoSize);
}

} // namespace virtualprinter
