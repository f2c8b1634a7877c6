#pragma once

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace virtualprinter
{

// Conditions that keep the printer from being ready, each reported by one
// state bit that reads 1 while all is well.
enum class Condition { HeadOpen, PaperOut, RibbonOut, Paused, HeadOverheat, CutterError };

// The printer's state and the 5-byte printer_status reply made from it.
class PrinterStatus
{
public:
    static constexpr std::size_t ReplySize = 5;

    static const std::vector<Condition> &allConditions();
    // Names for the command line and the log: head-open, paper-out...
    static std::string_view nameOf(Condition condition);
    static std::optional<Condition> conditionNamed(std::string_view name);

    void set(Condition condition, bool present);
    bool has(Condition condition) const { return m_present.count(condition) != 0; }

    std::string reply() const;

private:
    std::set<Condition> m_present;
};

} // namespace virtualprinter
