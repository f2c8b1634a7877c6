#include "DumpRecorder.h"

#include <algorithm>

namespace virtualprinter
{

void DumpRecorder::start()
{
    m_capturing = true;
    ++m_starts;
    m_data.clear();
}

std::string DumpRecorder::end()
{
    m_capturing = false;
    const auto length = static_cast<std::uint32_t>(m_data.size());
    std::string reply(LengthReplySize, '\0');
    for (std::size_t byte = 0; byte < 4; ++byte)
        reply[byte] = static_cast<char>(length >> (8 * byte) & 0xff);
    return reply;
}

void DumpRecorder::capture(std::string_view bytes)
{
    if (!m_capturing)
        return;
    m_data.append(bytes.substr(0, MaxCapture - std::min(MaxCapture, m_data.size())));
}

} // namespace virtualprinter
