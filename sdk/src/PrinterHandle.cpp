#include "PrinterHandle.h"

#include "PollWait.h"
#include "TransportFactory.h"
#include "prtsdk.h"

#include <algorithm>

namespace prtsdk
{

int32_t PrinterHandle::open(const std::string &descriptor)
{
    const std::lock_guard lock(m_mutex);
    if (m_transport)
        return PRT_ALREADY_OPEN;
    auto [status, transport] = TransportFactory::create(descriptor);
    if (status != PRT_OK)
        return status;
    status = transport->open();
    if (status == PRT_OK)
        m_transport = std::move(transport);
    return status;
}

int32_t PrinterHandle::close()
{
    const std::lock_guard lock(m_mutex);
    if (!m_transport)
        return PRT_ERR_NOT_OPEN;
    m_transport->close();
    m_transport.reset();
    return PRT_OK;
}

int32_t PrinterHandle::write(const uint8_t *bytes, int32_t count)
{
    const std::lock_guard lock(m_mutex);
    if (!m_transport)
        return PRT_ERR_NOT_OPEN;
    return m_transport->write(bytes, static_cast<size_t>(count), PRT_WRITE_TIMEOUT_MS);
}

int32_t PrinterHandle::read(uint8_t *buffer, int32_t capacity, int32_t &count)
{
    const std::lock_guard lock(m_mutex);
    if (!m_transport)
        return PRT_ERR_NOT_OPEN;
    size_t got = 0;
    const int32_t status =
        m_transport->read(buffer, static_cast<size_t>(capacity), PRT_READ_TIMEOUT_MS, got);
    count = static_cast<int32_t>(got);
    return status;
}

// Replies carry no end marker, so a reply is complete once the printer has
// been silent for PRT_REPLY_IDLE_MS after its last byte.
int32_t PrinterHandle::readReply(uint8_t *buffer, int32_t capacity, int32_t &count)
{
    const std::lock_guard lock(m_mutex);
    count = 0;
    if (!m_transport)
        return PRT_ERR_NOT_OPEN;
    const int64_t deadline = monotonicMs() + PRT_REPLY_LIMIT_MS;
    const size_t size = static_cast<size_t>(capacity);
    size_t total = 0;
    int timeout = PRT_REPLY_TIMEOUT_MS;
    while (total < size) {
        size_t got = 0;
        const int32_t status = m_transport->read(buffer + total, size - total, timeout, got);
        if (status != PRT_OK && total == 0)
            return status;
        total += got;
        const int64_t left = deadline - monotonicMs();
        if (status != PRT_OK || got == 0 || left <= 0)
            break;
        timeout = static_cast<int>(std::min<int64_t>(PRT_REPLY_IDLE_MS, left));
    }
    count = static_cast<int32_t>(total);
    return PRT_OK;
}

} // namespace prtsdk
