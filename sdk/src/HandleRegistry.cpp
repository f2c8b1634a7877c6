#include "HandleRegistry.h"

#include <algorithm>

namespace prtsdk
{

HandleRegistry &HandleRegistry::instance()
{
    static HandleRegistry registry;
    return registry;
}

PrinterHandle *HandleRegistry::create()
{
    const std::lock_guard lock(m_mutex);
    m_handles.push_back(std::make_unique<PrinterHandle>());
    return m_handles.back().get();
}

PrinterHandle *HandleRegistry::find(const void *opaque)
{
    if (!opaque)
        return nullptr;
    const std::lock_guard lock(m_mutex);
    const auto it = std::find_if(m_handles.begin(), m_handles.end(),
                                 [opaque](const auto &handle) { return handle.get() == opaque; });
    return it == m_handles.end() ? nullptr : it->get();
}

} // namespace prtsdk
