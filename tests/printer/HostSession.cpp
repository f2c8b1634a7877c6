#include "HostSession.h"

#include "HostFrames.h"

std::uint32_t HostSession::packetCount(std::size_t size)
{
    return static_cast<std::uint32_t>(size / 1024 + 1);
}

std::string HostSession::download(std::string_view kind, std::string_view name,
                                  std::string_view data)
{
    const std::string answer = m_printer.receive(HostFrames::doCommand({"download", kind, name}));
    if (answer != "OK")
        return "download command answered " + HostFrames::hex(answer);
    for (std::uint32_t index = 0; index < packetCount(data.size()); ++index) {
        const std::string ack =
            m_printer.receive(HostFrames::packet(index, data.substr(index * 1024, 1024)));
        if (ack != HostFrames::acknowledgement(index, 0))
            return "packet " + std::to_string(index) + " answered " + HostFrames::hex(ack);
    }
    return {};
}

std::string HostSession::get(std::string_view name)
{
    return m_printer.receive(HostFrames::getval(name));
}
