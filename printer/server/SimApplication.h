#pragma once

#include "SimSettings.h"

#include <iosfwd>

namespace prtsim
{

// Builds the printer the settings describe and serves it until stopped.
class SimApplication
{
public:
    // The process exit code.
    static int run(const SimSettings &settings, std::ostream &out, std::ostream &errors);
};

} // namespace prtsim
