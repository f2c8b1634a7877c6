#pragma once

#include "CommandHandler.h"
#include "FrameParser.h"
#include "PrinterParts.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace virtualprinter
{

// Routes the incoming bytes: command frames in normal operation, download
// packets after an accepted download, the raw image during a firmware upgrade.
class PrinterEngine
{
public:
    using TraceSink = std::function<void(std::string_view line)>;

    PrinterEngine(std::string firmwareVersion, PrinterClock::TimeSource now);

    std::string receive(std::string_view bytes);
    void disconnect();

    PrinterParts &parts() { return m_parts; }
    const PrinterParts &parts() const { return m_parts; }
    const CommandHandler &commands() const { return m_commands; }
    const std::optional<FirmwareImage> &installedFirmware() const { return m_installed; }

    // One readable line per frame or event; none when unset.
    void setTraceSink(TraceSink sink) { m_trace = std::move(sink); }

private:
    enum class Mode { Command, Download, Firmware };

    struct Step {
        std::size_t consumed = 0;
        std::string reply;
    };

    Mode mode() const;
    bool step(std::string &reply);
    Step commandStep();
    Step frameStep(const ParsedUnit &unit);
    Step downloadStep();
    Step firmwareStep();
    void install(FirmwareImage image);
    void trace(const std::string &line) const;

    PrinterParts m_parts;
    CommandHandler m_commands;
    std::string m_pending;
    std::optional<FirmwareImage> m_installed;
    TraceSink m_trace;
};

} // namespace virtualprinter
