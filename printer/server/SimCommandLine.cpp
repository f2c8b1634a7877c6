#include "SimCommandLine.h"

#include <CLI/CLI.hpp>

#include <map>

namespace prtsim
{
namespace
{

using virtualprinter::AckFault;
using virtualprinter::Condition;
using virtualprinter::PrinterStatus;

struct RawOptions {
    std::string listen;
    long long delayMs = 0;
    std::uint64_t dropAfter = 0;
    std::string stateFile;
    std::string ackFault;
    std::vector<std::string> conditions;
    std::uint64_t capacity = 0;
};

void addEndpointOptions(CLI::App &app, SimSettings &settings, RawOptions &raw)
{
    app.add_option("--listen", raw.listen,
                   "TCP endpoint HOST:PORT; port 0 takes a free port. Default " +
                       std::string(SimCommandLine::DefaultListen) +
                       ", unless --pty is given alone");
    app.add_flag("--pty", settings.server.pty,
                 "Serve a pseudo-terminal in raw mode too, for serial-port clients; "
                 "given without --listen, no TCP port is opened");
    app.add_option("--model", settings.model, "Printer model text")->capture_default_str();
    app.add_option("--state", raw.stateFile,
                   "State file: loaded at start, saved after changes once the host pauses, "
                   "and at exit");
    app.add_option("--capacity", raw.capacity, "Storage size in bytes (default 8 MiB)")
        ->check(CLI::PositiveNumber);
    app.add_flag("--log", settings.log, "Write every frame received to standard error");
}

void addFaultOptions(CLI::App &app, SimSettings &settings, RawOptions &raw)
{
    auto &faults = settings.faults;
    app.add_flag("--no-reply", faults.noReply, "Never answer anything");
    app.add_option("--delay", raw.delayMs, "Wait this many milliseconds before each reply")
        ->check(CLI::Range(0, 600000));
    app.add_option("--drop-after", raw.dropAfter,
                   "Close each TCP connection once it has sent N bytes")
        ->check(CLI::NonNegativeNumber);
    app.add_option("--bad-ack", raw.ackFault,
                   "Spoil one packet acknowledgement: status (a non-zero status, the packet "
                   "is refused), echo (a wrong echoed index) or checksum")
        ->check(CLI::IsMember({"status", "echo", "checksum"}));
    app.add_option("--bad-ack-packet", faults.ackFaultPacket,
                   "Index of the packet whose acknowledgement --bad-ack spoils (default 0)")
        ->check(CLI::NonNegativeNumber);
    app.add_flag("--refuse-download", faults.refuseDownload,
                 "Answer every download command with ER instead of OK");
    app.add_flag("--refuse-firmware", faults.refuseFirmware,
                 "Answer every firmware upgrade with ER instead of OK");
    app.add_flag("--storage-full", faults.storageFull,
                 "Report no free storage and refuse the data of downloads");
    std::vector<std::string> names;
    for (Condition condition : PrinterStatus::allConditions())
        names.emplace_back(PrinterStatus::nameOf(condition));
    app.add_option("--condition", raw.conditions,
                   "Start with this condition present in the printer state (repeatable)")
        ->check(CLI::IsMember(names));
}

void applyRawOptions(const CLI::App &app, const RawOptions &raw, SimSettings &settings)
{
    ServerOptions &server = settings.server;
    if (app.count("--listen") != 0 || !server.pty)
        server.listen = app.count("--listen") != 0 ? raw.listen : SimCommandLine::DefaultListen;
    server.delay = std::chrono::milliseconds(raw.delayMs);
    if (app.count("--drop-after") != 0)
        server.dropAfter = raw.dropAfter;
    if (!raw.stateFile.empty())
        server.stateFile = raw.stateFile;
    if (app.count("--capacity") != 0)
        settings.capacity = raw.capacity;
    const std::map<std::string, AckFault> ackFaults{{"", AckFault::None},
                                                    {"status", AckFault::Status},
                                                    {"echo", AckFault::Echo},
                                                    {"checksum", AckFault::Checksum}};
    settings.faults.ackFault = ackFaults.at(raw.ackFault);
    for (const std::string &name : raw.conditions)
        settings.conditions.push_back(*PrinterStatus::conditionNamed(name));
}

} // namespace

std::optional<SimSettings> SimCommandLine::parse(int argc, const char *const *argv, int &exitCode)
{
    CLI::App app("prtsim: a virtual thermal label printer serving the printer protocol over "
                 "TCP and a pseudo-terminal. Prints one line per endpoint on standard output "
                 "(\"tcp HOST:PORT\", \"pty PATH\") and serves until SIGINT or SIGTERM.");
    SimSettings settings;
    RawOptions raw;
    addEndpointOptions(app, settings, raw);
    addFaultOptions(app, settings, raw);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError &error) {
        exitCode = app.exit(error);
        return std::nullopt;
    }
    applyRawOptions(app, raw, settings);
    return settings;
}

} // namespace prtsim
