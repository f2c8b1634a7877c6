#include "SerialTransport.h"

#include "PollWait.h"
#include "prtsdk.h"

#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>

#include <chrono>
#include <thread>

namespace prtsdk
{
namespace
{

speed_t speedOf(int baud)
{
    switch (baud) {
    case 1200:
        return B1200;
    case 2400:
        return B2400;
    case 4800:
        return B4800;
    case 19200:
        return B19200;
    case 38400:
        return B38400;
    case 57600:
        return B57600;
    case 115200:
        return B115200;
    default:
        return B9600;
    }
}

} // namespace

SerialTransport::SerialTransport(std::string device, SerialSettings settings)
    : DeviceFileTransport(std::move(device),
                          Codes{PRT_ERR_SERIAL_NOT_FOUND, PRT_ERR_SERIAL_ACCESS}),
      m_settings(settings)
{
}

int32_t SerialTransport::open()
{
    int32_t status = DeviceFileTransport::open();
    if (status != PRT_OK)
        return status;
    // Two programs talking to one printer at once garble both conversations.
    if (::flock(fd(), LOCK_EX | LOCK_NB) != 0)
        status = PRT_ERR_PORT_BUSY;
    else
        status = configure();
    if (status != PRT_OK)
        close();
    return status;
}

void SerialTransport::applySettings(termios &tio, const SerialSettings &settings)
{
    ::cfmakeraw(&tio);
    ::cfsetispeed(&tio, speedOf(settings.baud));
    ::cfsetospeed(&tio, speedOf(settings.baud));
    tio.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    tio.c_cflag |= (settings.dataBits == 7 ? CS7 : CS8) | CLOCAL | CREAD;
    if (settings.parity != 'n')
        tio.c_cflag |= PARENB | (settings.parity == 'o' ? PARODD : 0);
    if (settings.stopBits == 2)
        tio.c_cflag |= CSTOPB;
    if (settings.rtsCts)
        tio.c_cflag |= CRTSCTS;
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
}

int32_t SerialTransport::configure()
{
    termios tio{};
    if (::tcgetattr(fd(), &tio) != 0)
        return PRT_ERR_SERIAL_CONFIG;
    applySettings(tio, m_settings);
    return ::tcsetattr(fd(), TCSANOW, &tio) == 0 ? PRT_OK : PRT_ERR_SERIAL_CONFIG;
}

int32_t SerialTransport::write(const uint8_t *bytes, size_t count, int timeoutMs)
{
    const int64_t deadline = monotonicMs() + timeoutMs;
    const int32_t status = DeviceFileTransport::write(bytes, count, timeoutMs);
    return status == PRT_OK ? drain(deadline) : status;
}

// tcdrain has no bound, and a printer holding CTS low would keep it waiting
// for ever; the output queue is watched instead.
int32_t SerialTransport::drain(int64_t deadline)
{
    for (;;) {
        int queued = 0;
        if (::ioctl(fd(), TIOCOUTQ, &queued) != 0 || queued == 0)
            return PRT_OK;
        if (monotonicMs() >= deadline)
            return PRT_ERR_WRITE_TIMEOUT;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

} // namespace prtsdk
