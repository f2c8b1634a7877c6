#include "ParameterStore.h"

#include "ParameterCatalog.h"

namespace virtualprinter
{

ParameterStore::ParameterStore(std::string firmwareVersion)
{
    for (const ParameterSpec &spec : ParameterCatalog::all())
        m_values.emplace(spec.name, spec.defaultValue);
    m_values["version"] = std::move(firmwareVersion);
}

std::optional<std::string> ParameterStore::get(std::string_view name) const
{
    const auto found = m_values.find(name);
    if (found == m_values.end())
        return std::nullopt;
    return found->second;
}

ParameterStore::SetResult ParameterStore::set(std::string_view name, std::string_view value)
{
    const ParameterSpec *spec = ParameterCatalog::find(name);
    if (spec == nullptr)
        return SetResult::Unknown;
    if (!spec->rule.accepts(value))
        return SetResult::Refused;
    assign(name, std::string(value));
    return SetResult::Stored;
}

void ParameterStore::assign(std::string_view name, std::string value)
{
    const auto found = m_values.find(name);
    if (found == m_values.end() || found->second == value)
        return;
    found->second = std::move(value);
    ++m_revision;
}

void ParameterStore::restoreDefaults()
{
    for (const ParameterSpec &spec : ParameterCatalog::all()) {
        if (spec.rule.writable())
            assign(spec.name, std::string(spec.defaultValue));
    }
}

} // namespace virtualprinter
