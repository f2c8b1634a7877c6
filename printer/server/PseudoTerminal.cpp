#include "PseudoTerminal.h"

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>

#include <cstring>

namespace prtsim
{

std::optional<PseudoTerminal> PseudoTerminal::open(std::string &error)
{
    FileDescriptor master(::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC));
    const char *name =
        master.valid() && ::grantpt(master.get()) == 0 && ::unlockpt(master.get()) == 0
            ? ::ptsname(master.get())
            : nullptr;
    if (name == nullptr) {
        error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
        return std::nullopt;
    }
    std::string path = name;
    FileDescriptor slave(::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC));
    termios settings{};
    if (!slave.valid() || ::tcgetattr(slave.get(), &settings) != 0) {
        error = "cannot open " + path + ": " + std::strerror(errno);
        return std::nullopt;
    }
    // Every byte passes unchanged: no echo, no line editing, no CR LF mapping.
    ::cfmakeraw(&settings);
    ::tcsetattr(slave.get(), TCSANOW, &settings);
    ::fcntl(master.get(), F_SETFL, ::fcntl(master.get(), F_GETFL) | O_NONBLOCK);
    return PseudoTerminal(std::move(master), std::move(slave), std::move(path));
}

} // namespace prtsim
