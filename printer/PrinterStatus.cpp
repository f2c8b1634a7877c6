#include "PrinterStatus.h"

#include <array>

namespace virtualprinter
{
namespace
{

struct ConditionBit {
    Condition condition;
    std::string_view name;
    std::size_t byte;
    unsigned char mask;
};

constexpr std::array<ConditionBit, 6> ConditionBits{{
    {Condition::HeadOpen, "head-open", 0, 0x02},
    {Condition::PaperOut, "paper-out", 0, 0x08},
    {Condition::RibbonOut, "ribbon-out", 0, 0x20},
    {Condition::Paused, "paused", 0, 0x40},
    {Condition::HeadOverheat, "head-overheat", 0, 0x80},
    {Condition::CutterError, "cutter-error", 1, 0x02},
}};

const ConditionBit &bitOf(Condition condition)
{
    for (const ConditionBit &bit : ConditionBits) {
        if (bit.condition == condition)
            return bit;
    }
    return ConditionBits.front();
}

} // namespace

const std::vector<Condition> &PrinterStatus::allConditions()
{
    static const std::vector<Condition> conditions = [] {
        std::vector<Condition> all;
        for (const ConditionBit &bit : ConditionBits)
            all.push_back(bit.condition);
        return all;
    }();
    return conditions;
}

std::string_view PrinterStatus::nameOf(Condition condition)
{
    return bitOf(condition).name;
}

std::optional<Condition> PrinterStatus::conditionNamed(std::string_view name)
{
    for (const ConditionBit &bit : ConditionBits) {
        if (bit.name == name)
            return bit.condition;
    }
    return std::nullopt;
}

void PrinterStatus::set(Condition condition, bool present)
{
    if (present)
        m_present.insert(condition);
    else
        m_present.erase(condition);
}

std::string PrinterStatus::reply() const
{
    std::string bytes(ReplySize, '\0');
    for (const ConditionBit &bit : ConditionBits) {
        if (!has(bit.condition))
            bytes[bit.byte] = static_cast<char>(bytes[bit.byte] | bit.mask);
    }
    return bytes;
}

} // namespace virtualprinter
