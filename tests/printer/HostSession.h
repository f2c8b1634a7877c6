#pragma once

#include "VirtualPrinter.h"

#include <cstdint>
#include <string>
#include <string_view>

// Drives a virtual printer the way the tool does, for tests that need a
// printer in a given state before the part they check.
class HostSession
{
public:
    explicit HostSession(virtualprinter::VirtualPrinter &printer) : m_printer(printer) {}

    // Announces the file, sends every packet and checks every answer.
    // Empty on success, otherwise what went wrong.
    std::string download(std::string_view kind, std::string_view name, std::string_view data);
    // Number of packets a file of this size takes: the last one always has
    // fewer than 1024 data bytes.
    static std::uint32_t packetCount(std::size_t size);

    std::string get(std::string_view name);

private:
    virtualprinter::VirtualPrinter &m_printer;
};
