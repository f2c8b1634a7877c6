#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace virtualprinter
{

// The text of one command frame: a verb and its quoted arguments, for example
// setval "speed" "4" or do "download" "bitmaps" "logo.bmp".
class CommandLine
{
public:
    // Nothing when the text is not a verb followed by quoted arguments.
    static std::optional<CommandLine> parse(std::string_view text);

    const std::string &verb() const { return m_verb; }
    const std::vector<std::string> &arguments() const { return m_arguments; }

private:
    static bool parseArguments(std::string_view rest, bool lastRunsToFinalQuote,
                               std::vector<std::string> &arguments);

    std::string m_verb;
    std::vector<std::string> m_arguments;
};

} // namespace virtualprinter
