#include "PortMap.h"

#include <cstdlib>
#include <fstream>

namespace prtsdk
{
namespace
{

std::string environment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

std::string trimmed(const std::string &text)
{
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

} // namespace

std::string PortMap::device(const std::string &name, int number)
{
    const std::string key = name + std::to_string(number);
    if (std::string mapped = environment(("PRT_" + key).c_str()); !mapped.empty())
        return mapped;
    if (std::string mapped = fromFile(key); !mapped.empty())
        return mapped;
    return defaultDevice(name, number);
}

std::string PortMap::mapFile()
{
    std::string base = environment("XDG_DATA_HOME");
    if (base.empty())
        base = environment("HOME") + "/.local/share";
    return base + "/prtsdk/ports.conf";
}

std::string PortMap::defaultDevice(const std::string &name, int number)
{
    if (name == "LPT")
        return "/dev/lp" + std::to_string(number - 1);
    return "/dev/ttyS" + std::to_string(number - 1);
}

std::string PortMap::fromFile(const std::string &key)
{
    std::ifstream file(mapFile());
    std::string line;
    while (std::getline(file, line)) {
        const size_t equals = line.find('=');
        if (line.empty() || line[0] == '#' || equals == std::string::npos)
            continue;
        if (trimmed(line.substr(0, equals)) == key)
            return trimmed(line.substr(equals + 1));
    }
    return {};
}

} // namespace prtsdk
