#include "FunctionLog.h"

namespace virtualprinter
{

void FunctionLog::record(FunctionCall call)
{
    ++m_counts[call.name];
    m_recent.push_back(std::move(call));
    if (m_recent.size() > KeptCalls)
        m_recent.pop_front();
}

std::size_t FunctionLog::count(std::string_view name) const
{
    const auto found = m_counts.find(name);
    return found == m_counts.end() ? 0 : found->second;
}

} // namespace virtualprinter
