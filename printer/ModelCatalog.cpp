#include "ModelCatalog.h"

#include <array>
#include <utility>

namespace virtualprinter
{

std::string ModelCatalog::firmwareVersion(std::string_view model)
{
    // The full edition runs the 10.02 line, the standard edition 10.01.
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 2> Versions{{
        {"PM44PRO FULL", "V10.02.01"},
        {"PM44PRO", "V10.01.07"},
    }};
    for (const auto &[name, version] : Versions) {
        if (name == model)
            return std::string(version);
    }
    return std::string(GenericVersion);
}

} // namespace virtualprinter
