#pragma once

#include "FileDescriptor.h"

#include <optional>
#include <string>

namespace prtsim
{

// A pseudo-terminal in raw mode: a program that opens its path talks to the
// printer as through a serial cable.
class PseudoTerminal
{
public:
    // Nothing, with a message, when the system has no pseudo-terminal to give.
    static std::optional<PseudoTerminal> open(std::string &error);

    int fd() const { return m_master.get(); }
    const std::string &path() const { return m_path; }

private:
    PseudoTerminal(FileDescriptor master, FileDescriptor slave, std::string path)
        : m_master(std::move(master)), m_slave(std::move(slave)), m_path(std::move(path))
    {
    }

    FileDescriptor m_master;
    // Kept open so the printer's side sees no hang-up while no program has
    // the terminal open, as a serial port stays there without a cable.
    FileDescriptor m_slave;
    std::string m_path;
};

} // namespace prtsim
