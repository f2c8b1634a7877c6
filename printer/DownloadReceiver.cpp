#include "DownloadReceiver.h"

#include "Protocol.h"

namespace virtualprinter
{
namespace
{

constexpr std::size_t EchoedIndexOffset = 4;
constexpr std::size_t AckChecksumOffset = 10;

} // namespace

void DownloadReceiver::begin(FileKind kind, std::string name)
{
    m_active = true;
    m_kind = kind;
    m_name = std::move(name);
    m_data.clear();
    m_nextIndex = 0;
}

DownloadReceiver::Answer DownloadReceiver::accept(std::string_view packetBytes)
{
    const DataPacket packet(packetBytes);
    Answer answer;
    answer.index = packet.index();
    answer.status =
        faultStrikes(packet.index(), AckFault::Status) ? AckStatus::Refused : check(packet);
    if (answer.status == AckStatus::Ok) {
        answer.dataLength = packet.dataLength();
        m_data += packet.data();
        ++m_nextIndex;
        if (packet.dataLength() < protocol::PacketDataCapacity) {
            answer.stored = m_files.store(m_kind, m_name, m_data);
            answer.status = answer.stored ? AckStatus::Ok : AckStatus::StorageFull;
        }
    }
    if (answer.status != AckStatus::Ok || answer.stored)
        abandon();
    answer.acknowledgement = acknowledge(packet, answer.status);
    return answer;
}

void DownloadReceiver::abandon()
{
    m_active = false;
    m_data.clear();
    m_data.shrink_to_fit();
}

AckStatus DownloadReceiver::check(const DataPacket &packet) const
{
    if (!packet.hasMarker())
        return AckStatus::BadMarker;
    if (packet.index() != m_nextIndex)
        return AckStatus::BadIndex;
    if (!packet.lengthValid())
        return AckStatus::BadLength;
    if (!packet.checksumValid())
        return AckStatus::BadChecksum;
    if (!m_files.fits(m_kind, m_name, m_data.size() + packet.dataLength()))
        return AckStatus::StorageFull;
    return AckStatus::Ok;
}

bool DownloadReceiver::faultStrikes(std::uint32_t index, AckFault fault) const
{
    return m_faults.ackFault == fault && m_faults.ackFaultPacket == index;
}

std::string DownloadReceiver::acknowledge(const DataPacket &packet, AckStatus status) const
{
    std::string echo(packet.echo());
    if (faultStrikes(packet.index(), AckFault::Echo))
        echo[EchoedIndexOffset] = static_cast<char>(echo[EchoedIndexOffset] ^ 0xff);
    std::string reply = DataPacket::acknowledgement(echo, status);
    if (faultStrikes(packet.index(), AckFault::Checksum))
        reply[AckChecksumOffset] = static_cast<char>(reply[AckChecksumOffset] ^ 0xff);
    return reply;
}

} // namespace virtualprinter
