#include "SimTransport.h"

#include "VirtualPrinter.h"
#include "prtsdk.h"

#include <algorithm>
#include <cstring>
#include <mutex>

namespace prtsdk
{
namespace
{

std::mutex &printerMutex()
{
    static std::mutex mutex;
    return mutex;
}

virtualprinter::VirtualPrinter &sharedPrinter()
{
    static virtualprinter::VirtualPrinter printer;
    return printer;
}

} // namespace

SimTransport::~SimTransport()
{
    close();
}

int32_t SimTransport::open()
{
    m_open = true;
    return PRT_OK;
}

void SimTransport::close()
{
    if (!m_open)
        return;
    m_open = false;
    m_pending.clear();
    const std::lock_guard lock(printerMutex());
    sharedPrinter().disconnect();
}

int32_t SimTransport::write(const uint8_t *bytes, size_t count, int)
{
    const std::lock_guard lock(printerMutex());
    m_pending +=
        sharedPrinter().receive(std::string_view(reinterpret_cast<const char *>(bytes), count));
    return PRT_OK;
}

int32_t SimTransport::read(uint8_t *buffer, size_t capacity, int, size_t &count)
{
    count = std::min(capacity, m_pending.size());
    std::memcpy(buffer, m_pending.data(), count);
    m_pending.erase(0, count);
    return PRT_OK;
}

} // namespace prtsdk
