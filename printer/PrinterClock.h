#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace virtualprinter
{

// The printer's real-time clock: six fields set one at a time by the host,
// running on from the moment they were set.
class PrinterClock
{
public:
    using TimePoint = std::chrono::system_clock::time_point;
    using TimeSource = std::function<TimePoint()>;

    explicit PrinterClock(TimeSource now);

    static bool isField(std::string_view name);

    std::optional<std::string> field(std::string_view name) const;
    // False for a value outside the field's range; the clock stays as it was.
    bool setField(std::string_view name, std::string_view value);

    // How far the printer's clock is ahead of the host's, to keep it in a file.
    std::chrono::seconds offset() const;
    void setOffset(std::chrono::seconds offset);

    std::uint64_t revision() const { return m_revision; }

private:
    using Seconds = std::chrono::sys_seconds;

    struct Fields {
        int year = 2000;
        int month = 1;
        int day = 1;
        int hour = 0;
        int minute = 0;
        int second = 0;
    };

    struct FieldSpec {
        std::string_view name;
        int Fields::*member;
        int minimum;
        int maximum;
    };

    static const FieldSpec *findField(std::string_view name);
    static Fields fieldsOf(Seconds time);
    static Seconds timeOf(const Fields &fields);
    Seconds now() const;
    Fields current() const;

    TimeSource m_now;
    Fields m_base;
    Seconds m_setAt;
    std::uint64_t m_revision = 0;
};

} // namespace virtualprinter
