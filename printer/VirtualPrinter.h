#pragma once

#include "FaultOptions.h"
#include "FileStore.h"
#include "FirmwareReceiver.h"
#include "FunctionLog.h"
#include "PrinterStatus.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace virtualprinter
{

class PrinterEngine;

// The printer's side of the conversation: bytes from the host in, the
// printer's answer out. Holds the printer's parameters and stored files for
// as long as the object lives.
class VirtualPrinter
{
public:
    using TimeSource = std::function<std::chrono::system_clock::time_point()>;
    using TraceSink = std::function<void(std::string_view line)>;

    explicit VirtualPrinter(std::string model = "PM44PRO FULL");
    // The clock the printer's real-time clock runs on, for tests that must
    // not depend on the time of day.
    VirtualPrinter(std::string model, TimeSource now);
    ~VirtualPrinter();

    // Takes bytes as they arrive from the host, in pieces of any size (a frame
    // may be split across calls, several frames may come in one call) and
    // returns what the printer sends back for the frames they complete.
    std::string receive(std::string_view bytes);

    // The host went away: a half-received frame is dropped.
    void disconnect();

    const std::string &model() const { return m_model; }

    // What getval answers for the name; nothing for a name the printer does
    // not know.
    std::optional<std::string> parameter(std::string_view name) const;
    // The value of the automatic label mode key, as getkey answers it.
    std::uint8_t autoformKey() const;

    void setCondition(Condition condition, bool present);
    bool hasCondition(Condition condition) const;

    void setFaults(const FaultOptions &faults);

    void setStorageCapacity(std::uint64_t bytes);
    const std::vector<StoredFile> &storedFiles(FileKind kind) const;

    std::size_t functionCount(std::string_view name) const;
    const std::deque<FunctionCall> &recentFunctions() const;

    // The last firmware image received whole, if any.
    const std::optional<FirmwareImage> &installedFirmware() const;

    // One readable line per frame received and per event, for a log.
    void setTraceSink(TraceSink sink);

    // Grows whenever something worth saving changes.
    std::uint64_t revision() const;

    // Parameters, stored files and the clock. False with a message on
    // failure; a failed load changes nothing.
    bool saveState(const std::filesystem::path &path, std::string &error) const;
    bool loadState(const std::filesystem::path &path, std::string &error);

private:
    std::string m_model;
    std::unique_ptr<PrinterEngine> m_engine;
};

} // namespace virtualprinter
