#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace virtualprinter
{

// Data dump mode: between start and end the printer keeps what it receives,
// so the host can fetch it afterwards.
class DumpRecorder
{
public:
    // More than this is not kept; the host learns the length kept.
    static constexpr std::size_t MaxCapture = 16 * 1024 * 1024;
    static constexpr std::size_t LengthReplySize = 5;

    void start();
    // Stops capturing and answers the length: 4 bytes low byte first and a
    // fifth byte, 0.
    std::string end();
    bool capturing() const { return m_capturing; }
    // Counts the starts, so a caller can tell a capture restarted under it.
    std::uint64_t starts() const { return m_starts; }
    void capture(std::string_view bytes);
    const std::string &data() const { return m_data; }

private:
    bool m_capturing = false;
    std::uint64_t m_starts = 0;
    std::string m_data;
};

} // namespace virtualprinter
