#pragma once

#include "DataPacket.h"
#include "FaultOptions.h"
#include "FileStore.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace virtualprinter
{

// Receives one announced file as numbered packets and stores it when the
// packet with fewer than 1024 data bytes arrives. A refused packet ends the
// transfer: the host starts again from the beginning.
class DownloadReceiver
{
public:
    struct Answer {
        std::string acknowledgement;
        AckStatus status = AckStatus::Ok;
        std::uint32_t index = 0;
        std::size_t dataLength = 0;
        bool stored = false;
    };

    DownloadReceiver(FileStore &files, const FaultOptions &faults)
        : m_files(files), m_faults(faults)
    {
    }

    void begin(FileKind kind, std::string name);
    bool active() const { return m_active; }
    // Takes exactly one packet's bytes.
    Answer accept(std::string_view packetBytes);
    // The host went away or stopped sending packets; nothing is stored.
    void abandon();

    const std::string &name() const { return m_name; }

private:
    AckStatus check(const DataPacket &packet) const;
    bool faultStrikes(std::uint32_t index, AckFault fault) const;
    std::string acknowledge(const DataPacket &packet, AckStatus status) const;

    FileStore &m_files;
    const FaultOptions &m_faults;
    bool m_active = false;
    FileKind m_kind = FileKind::Bitmaps;
    std::string m_name;
    std::string m_data;
    std::uint32_t m_nextIndex = 0;
};

} // namespace virtualprinter
