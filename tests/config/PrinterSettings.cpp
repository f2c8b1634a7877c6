#include "PrinterSettings.h"

#include "StateFile.h"

#include <unistd.h>

#include <filesystem>

bool PrinterSettings::Load(virtualprinter::VirtualPrinter &printer,
                           const std::map<std::string, std::string> &parameters)
{
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() /
        ("config_tests_settings_" + std::to_string(::getpid()) + ".json");
    virtualprinter::PrinterSnapshot snapshot;
    snapshot.parameters = parameters;
    std::string error;
    const bool loaded =
        virtualprinter::StateFile::save(path, snapshot, error) && printer.loadState(path, error);
    std::filesystem::remove(path);
    return loaded;
}
