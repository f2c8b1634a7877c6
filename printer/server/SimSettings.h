#pragma once

#include "FaultOptions.h"
#include "PrinterStatus.h"
#include "ServerOptions.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace prtsim
{

// Everything the command line decides.
struct SimSettings {
    std::string model = "PM44PRO FULL";
    ServerOptions server;
    virtualprinter::FaultOptions faults;
    std::vector<virtualprinter::Condition> conditions;
    std::optional<std::uint64_t> capacity;
    bool log = false;
};

} // namespace prtsim
