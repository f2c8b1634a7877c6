#pragma once

#include <cstddef>
#include <deque>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace virtualprinter
{

struct FunctionCall {
    std::string name;
    std::vector<std::string> arguments;
};

// The do commands the printer received: how often each ran, and the latest
// calls with their arguments.
class FunctionLog
{
public:
    // A printer that runs for days must not grow without limit.
    static constexpr std::size_t KeptCalls = 1000;

    void record(FunctionCall call);
    std::size_t count(std::string_view name) const;
    const std::deque<FunctionCall> &recent() const { return m_recent; }

private:
    std::deque<FunctionCall> m_recent;
    std::map<std::string, std::size_t, std::less<>> m_counts;
};

} // namespace virtualprinter
