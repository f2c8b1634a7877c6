#pragma once

#include "ValueRule.h"

#include <string_view>
#include <vector>

namespace virtualprinter
{

struct ParameterSpec {
    std::string_view name;
    std::string_view defaultValue;
    ValueRule rule;
};

// Every parameter the printer keeps, with the value it leaves the factory with
// (a 203-dpi printer) and what it accepts. Values that depend on other state
// (the clock, the stored files, the state bits) are answered elsewhere.
class ParameterCatalog
{
public:
    static const std::vector<ParameterSpec> &all();
    static const ParameterSpec *find(std::string_view name);
};

} // namespace virtualprinter
