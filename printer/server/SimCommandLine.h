#pragma once

#include "SimSettings.h"

#include <optional>

namespace prtsim
{

// The prtsim command line.
class SimCommandLine
{
public:
    static constexpr const char *DefaultListen = "127.0.0.1:9100";

    // Nothing when the program should end at once (after --help, or a bad
    // option with its message shown); exitCode then says how.
    static std::optional<SimSettings> parse(int argc, const char *const *argv, int &exitCode);
};

} // namespace prtsim
