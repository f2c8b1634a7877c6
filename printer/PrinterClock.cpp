#include "PrinterClock.h"

#include <array>
#include <charconv>

namespace virtualprinter
{
namespace
{

constexpr int SecondsPerDay = 24 * 60 * 60;

} // namespace

PrinterClock::PrinterClock(TimeSource now) : m_now(std::move(now)), m_setAt(this->now())
{
    m_base = fieldsOf(m_setAt);
}

const PrinterClock::FieldSpec *PrinterClock::findField(std::string_view name)
{
    static const std::array<FieldSpec, 6> specs{{
        {"year", &Fields::year, 2000, 2099},
        {"month", &Fields::month, 1, 12},
        {"date", &Fields::day, 1, 31},
        {"hour", &Fields::hour, 0, 23},
        {"minute", &Fields::minute, 0, 59},
        {"second", &Fields::second, 0, 59},
    }};
    for (const FieldSpec &spec : specs) {
        if (spec.name == name)
            return &spec;
    }
    return nullptr;
}

bool PrinterClock::isField(std::string_view name)
{
    return findField(name) != nullptr;
}

std::optional<std::string> PrinterClock::field(std::string_view name) const
{
    const FieldSpec *spec = findField(name);
    if (spec == nullptr)
        return std::nullopt;
    return std::to_string(current().*(spec->member));
}

bool PrinterClock::setField(std::string_view name, std::string_view value)
{
    const FieldSpec *spec = findField(name);
    int number = 0;
    const char *end = value.data() + value.size();
    if (spec == nullptr || value.empty() || value.front() == '-' || value.front() == '+' ||
        std::from_chars(value.data(), end, number).ptr != end || number < spec->minimum ||
        number > spec->maximum)
        return false;
    Fields fields = current();
    fields.*(spec->member) = number;
    m_base = fields;
    m_setAt = now();
    ++m_revision;
    return true;
}

std::chrono::seconds PrinterClock::offset() const
{
    return timeOf(current()) - now();
}

void PrinterClock::setOffset(std::chrono::seconds offset)
{
    m_setAt = now();
    m_base = fieldsOf(m_setAt + offset);
    ++m_revision;
}

PrinterClock::Seconds PrinterClock::now() const
{
    return std::chrono::floor<std::chrono::seconds>(m_now());
}

// The host sets the fields one after another, so the date may be impossible
// for a moment (31 February before the day is set). Like a clock chip, the
// date is left alone until the time of day runs past midnight.
PrinterClock::Fields PrinterClock::current() const
{
    const long long elapsed = (now() - m_setAt).count();
    const long long timeOfDay =
        m_base.hour * 3600LL + m_base.minute * 60LL + m_base.second + elapsed;
    if (timeOfDay < 0 || timeOfDay >= SecondsPerDay)
        return fieldsOf(timeOf(m_base) + std::chrono::seconds(elapsed));
    Fields fields = m_base;
    fields.hour = static_cast<int>(timeOfDay / 3600);
    fields.minute = static_cast<int>(timeOfDay / 60 % 60);
    fields.second = static_cast<int>(timeOfDay % 60);
    return fields;
}

PrinterClock::Fields PrinterClock::fieldsOf(Seconds time)
{
    using namespace std::chrono;
    const sys_days day = floor<days>(time);
    const year_month_day date{day};
    const hh_mm_ss clock{time - day};
    return {static_cast<int>(date.year()),
            static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day())),
            static_cast<int>(clock.hours().count()),
            static_cast<int>(clock.minutes().count()),
            static_cast<int>(clock.seconds().count())};
}

// An impossible day rolls over into the next month.
PrinterClock::Seconds PrinterClock::timeOf(const Fields &fields)
{
    using namespace std::chrono;
    const sys_days firstOfMonth{year{fields.year} / month{static_cast<unsigned>(fields.month)} /
                                day{1}};
    return firstOfMonth + days{fields.day - 1} + hours{fields.hour} + minutes{fields.minute} +
           seconds{fields.second};
}

} // namespace virtualprinter
