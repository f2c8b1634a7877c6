#include "DeviceFileTransport.h"

#include "PollWait.h"
#include "prtsdk.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>

namespace prtsdk
{

DeviceFileTransport::DeviceFileTransport(std::string device, Codes codes)
    : m_device(std::move(device)), m_codes(codes)
{
}

DeviceFileTransport::~DeviceFileTransport()
{
    close();
}

int32_t DeviceFileTransport::open()
{
    m_fd = ::open(m_device.c_str(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    m_readable = true;
    if (m_fd < 0 && (errno == EACCES || errno == EPERM)) {
        // Some parallel ports are write-only for users; printing still works.
        m_fd = ::open(m_device.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        m_readable = false;
    }
    if (m_fd >= 0)
        return PRT_OK;
    switch (errno) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return m_codes.notFound;
    case EACCES:
    case EPERM:
        return m_codes.accessDenied;
    case EBUSY:
        return PRT_ERR_PORT_BUSY;
    default:
        return m_codes.notFound;
    }
}

void DeviceFileTransport::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

int32_t DeviceFileTransport::write(const uint8_t *bytes, size_t count, int timeoutMs)
{
    switch (writeWithin(m_fd, bytes, count, timeoutMs, false)) {
    case 0:
        return PRT_OK;
    case ETIMEDOUT:
        return PRT_ERR_WRITE_TIMEOUT;
    case ENODEV:
        return PRT_ERR_CONNECTION_LOST;
    default:
        return PRT_ERR_WRITE;
    }
}

int32_t DeviceFileTransport::read(uint8_t *buffer, size_t capacity, int timeoutMs, size_t &count)
{
    count = 0;
    if (!m_readable)
        return PRT_OK;
    const int ready = pollWait(m_fd, POLLIN, timeoutMs);
    if (ready <= 0)
        return ready == 0 ? PRT_OK : PRT_ERR_READ;
    const ssize_t n = ::read(m_fd, buffer, capacity);
    if (n >= 0) {
        count = static_cast<size_t>(n);
        return PRT_OK;
    }
    if (errno == ENODEV)
        return PRT_ERR_CONNECTION_LOST;
    // A port without a back channel refuses reads; it simply never answers.
    if (errno != EAGAIN && errno != EINTR)
        m_readable = false;
    return PRT_OK;
}

} // namespace prtsdk
