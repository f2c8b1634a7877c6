#pragma once

#include <string>
#include <string_view>

namespace virtualprinter
{

// What a printer of a given model reports before any upgrade. Models are
// plain text; one this catalog does not know still works, with a generic
// firmware version.
class ModelCatalog
{
public:
    static constexpr std::string_view GenericVersion = "V10.00.01";

    static std::string firmwareVersion(std::string_view model);
};

} // namespace virtualprinter
