#include "CommandLine.h"

namespace virtualprinter
{
namespace
{

std::string_view skipBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

} // namespace

std::optional<CommandLine> CommandLine::parse(std::string_view text)
{
    text = skipBlanks(text);
    const std::size_t verbEnd = text.find(' ');
    CommandLine line;
    line.m_verb = std::string(text.substr(0, verbEnd));
    if (line.m_verb.empty() || verbEnd == std::string_view::npos)
        return std::nullopt;
    // A set value is free text (a Bluetooth name, a key) and may itself hold
    // quotes, so it runs to the last quote of the line.
    const bool valueRunsToFinalQuote = line.m_verb == "setval";
    if (!parseArguments(text.substr(verbEnd), valueRunsToFinalQuote, line.m_arguments))
        return std::nullopt;
    return line;
}

bool CommandLine::parseArguments(std::string_view rest, bool lastRunsToFinalQuote,
                                 std::vector<std::string> &arguments)
{
    rest = skipBlanks(rest);
    while (!rest.empty()) {
        if (rest.front() != '"')
            return false;
        const bool valueNext = lastRunsToFinalQuote && arguments.size() == 1;
        const std::size_t close = valueNext ? rest.rfind('"') : rest.find('"', 1);
        if (close == std::string_view::npos || close == 0)
            return false;
        arguments.emplace_back(rest.substr(1, close - 1));
        rest = skipBlanks(rest.substr(close + 1));
    }
    return !arguments.empty();
}

} // namespace virtualprinter
