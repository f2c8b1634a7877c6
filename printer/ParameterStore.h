#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace virtualprinter
{

// The printer's parameter memory, filled with the factory values at start.
class ParameterStore
{
public:
    enum class SetResult { Stored, Refused, Unknown };

    explicit ParameterStore(std::string firmwareVersion);

    std::optional<std::string> get(std::string_view name) const;

    // A value from the host: only writable parameters, only acceptable values.
    SetResult set(std::string_view name, std::string_view value);

    // The printer's own changes (a new firmware version, restored counters).
    // Names outside the catalog are ignored.
    void assign(std::string_view name, std::string value);

    // Factory default: every writable parameter back to its factory value;
    // identity and counters stay.
    void restoreDefaults();

    const std::map<std::string, std::string, std::less<>> &values() const { return m_values; }

    // Grows with every change, so an owner can tell when to save.
    std::uint64_t revision() const { return m_revision; }

private:
    std::map<std::string, std::string, std::less<>> m_values;
    std::uint64_t m_revision = 0;
};

} // namespace virtualprinter
