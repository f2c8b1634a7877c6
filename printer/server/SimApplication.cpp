#include "SimApplication.h"

#include "SimServer.h"
#include "StopSignals.h"

#include <filesystem>
#include <ostream>

namespace prtsim
{
namespace
{

// A missing state file is a printer fresh from the factory; an unreadable
// one is an error, so that saving cannot overwrite it.
bool loadState(virtualprinter::VirtualPrinter &printer, const SimSettings &settings,
               std::ostream &errors)
{
    const auto &path = settings.server.stateFile;
    if (!path || !std::filesystem::exists(*path))
        return true;
    std::string error;
    if (printer.loadState(*path, error))
        return true;
    errors << "prtsim: " << error << '\n';
    return false;
}

void configure(virtualprinter::VirtualPrinter &printer, const SimSettings &settings,
               std::ostream &errors)
{
    if (settings.capacity)
        printer.setStorageCapacity(*settings.capacity);
    printer.setFaults(settings.faults);
    for (virtualprinter::Condition condition : settings.conditions)
        printer.setCondition(condition, true);
    if (settings.log)
        printer.setTraceSink([&errors](std::string_view line) { errors << line << std::endl; });
}

} // namespace

int SimApplication::run(const SimSettings &settings, std::ostream &out, std::ostream &errors)
{
    virtualprinter::VirtualPrinter printer(settings.model);
    if (!loadState(printer, settings, errors))
        return 1;
    configure(printer, settings, errors);
    SimServer server(printer, settings.server);
    std::string error;
    if (!server.open(error)) {
        errors << "prtsim: " << error << '\n';
        return 1;
    }
    // Ready for a stop before anyone can know where to connect.
    const StopSignals signals(server.wakeFd());
    for (const std::string &line : server.endpoints())
        out << line << '\n';
    out.flush();
    return server.run();
}

} // namespace prtsim
