#pragma once

#include <cstdint>

namespace virtualprinter
{

// How a packet acknowledgement is spoiled on purpose.
enum class AckFault {
    None,
    Status,   // a non-zero status: the printer refuses the packet
    Echo,     // the echoed index is wrong
    Checksum, // the acknowledgement's own sum is wrong
};

// Misbehaviour to show how the host copes with a faulty printer.
struct FaultOptions {
    bool noReply = false;
    AckFault ackFault = AckFault::None;
    // The packet index whose acknowledgement is spoiled.
    std::uint32_t ackFaultPacket = 0;
    bool refuseDownload = false;
    bool refuseFirmware = false;
    bool storageFull = false;
};

} // namespace virtualprinter
