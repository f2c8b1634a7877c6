#include "SerialTransport.h"

#include "prtsdk.h"

#include <libserialport.h>

#include <cerrno>

namespace prtsdk
{
namespace
{

int32_t openError()
{
    switch (sp_last_error_code()) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return PRT_ERR_SERIAL_NOT_FOUND;
    case EACCES:
    case EPERM:
        return PRT_ERR_SERIAL_ACCESS;
    case EBUSY:
        return PRT_ERR_PORT_BUSY;
    default:
        return PRT_ERR_SERIAL_OPEN;
    }
}

sp_parity parity(char letter)
{
    return letter == 'o' ? SP_PARITY_ODD : letter == 'e' ? SP_PARITY_EVEN : SP_PARITY_NONE;
}

} // namespace

SerialTransport::SerialTransport(std::string device, SerialSettings settings)
    : m_device(std::move(device)), m_settings(settings)
{
}

SerialTransport::~SerialTransport()
{
    close();
}

int32_t SerialTransport::open()
{
    if (sp_get_port_by_name(m_device.c_str(), &m_port) != SP_OK)
        return PRT_ERR_SERIAL_NOT_FOUND;
    if (sp_open(m_port, SP_MODE_READ_WRITE) != SP_OK) {
        const int32_t status = openError();
        sp_free_port(m_port);
        m_port = nullptr;
        return status;
    }
    const int32_t status = configure();
    if (status != PRT_OK)
        close();
    return status;
}

int32_t SerialTransport::configure()
{
    const sp_flowcontrol flow = m_settings.rtsCts ? SP_FLOWCONTROL_RTSCTS : SP_FLOWCONTROL_NONE;
    const bool applied = sp_set_baudrate(m_port, m_settings.baud) == SP_OK &&
                         sp_set_bits(m_port, m_settings.dataBits) == SP_OK &&
                         sp_set_parity(m_port, parity(m_settings.parity)) == SP_OK &&
                         sp_set_stopbits(m_port, m_settings.stopBits) == SP_OK &&
                         sp_set_flowcontrol(m_port, flow) == SP_OK;
    return applied ? PRT_OK : PRT_ERR_SERIAL_CONFIG;
}

void SerialTransport::close()
{
    if (!m_port)
        return;
    sp_close(m_port);
    sp_free_port(m_port);
    m_port = nullptr;
}

int32_t SerialTransport::write(const uint8_t *bytes, size_t count, int timeoutMs)
{
    const sp_return sent =
        sp_blocking_write(m_port, bytes, count, static_cast<unsigned>(timeoutMs));
    if (sent < 0)
        return PRT_ERR_WRITE;
    if (static_cast<size_t>(sent) < count)
        return PRT_ERR_WRITE_TIMEOUT;
    return sp_drain(m_port) == SP_OK ? PRT_OK : PRT_ERR_WRITE;
}

int32_t SerialTransport::read(uint8_t *buffer, size_t capacity, int timeoutMs, size_t &count)
{
    count = 0;
    // A time-out of 0 means "wait for ever" to the serial library.
    const sp_return got = timeoutMs > 0 ? sp_blocking_read_next(m_port, buffer, capacity,
                                                                static_cast<unsigned>(timeoutMs))
                                        : sp_nonblocking_read(m_port, buffer, capacity);
    if (got < 0)
        return PRT_ERR_READ;
    count = static_cast<size_t>(got);
    return PRT_OK;
}

} // namespace prtsdk
