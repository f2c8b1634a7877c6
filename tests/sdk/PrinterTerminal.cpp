#include "PrinterTerminal.h"

#include "prtsdk.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

PrinterTerminal::PrinterTerminal()
{
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ::grantpt(m_master);
    ::unlockpt(m_master);
    m_path = ::ptsname(m_master);
    // Raw mode on the device side, so no byte is translated on the way.
    const int slave = ::open(m_path.c_str(), O_RDWR | O_NOCTTY);
    termios tio{};
    ::tcgetattr(slave, &tio);
    ::cfmakeraw(&tio);
    ::tcsetattr(slave, TCSANOW, &tio);
    ::close(slave);
}

PrinterTerminal::~PrinterTerminal()
{
    ::close(m_master);
}

std::string PrinterTerminal::receive()
{
    char buffer[256];
    const ssize_t n = ::read(m_master, buffer, sizeof buffer);
    return n > 0 ? std::string(buffer, static_cast<size_t>(n)) : std::string();
}

void PrinterTerminal::send(const std::string &bytes)
{
    (void)::write(m_master, bytes.data(), bytes.size());
}

std::string PrinterTerminal::roundTrip(prtsdk::Transport &transport)
{
    const std::string frame = "\x1b\x1c& V1 getval \"dpi\"\r\n";
    EXPECT_EQ(transport.write(reinterpret_cast<const uint8_t *>(frame.data()), frame.size(), 1000),
              PRT_OK);
    EXPECT_EQ(receive(), frame);
    send("203");
    uint8_t buffer[16];
    size_t count = 0;
    EXPECT_EQ(transport.read(buffer, sizeof buffer, 1000, count), PRT_OK);
    return std::string(reinterpret_cast<char *>(buffer), count);
}
