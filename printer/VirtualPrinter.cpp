#include "VirtualPrinter.h"

#include "ModelCatalog.h"
#include "ParameterCatalog.h"
#include "PrinterEngine.h"
#include "StateFile.h"

namespace virtualprinter
{
namespace
{

PrinterSnapshot snapshotOf(const PrinterParts &parts)
{
    PrinterSnapshot snapshot;
    for (const auto &[name, value] : parts.parameters.values())
        snapshot.parameters[name] = value;
    snapshot.clockOffset = parts.clock.offset();
    for (FileKind kind : FileStore::allKinds()) {
        for (const StoredFile &file : parts.files.files(kind))
            snapshot.files.emplace_back(kind, file);
    }
    return snapshot;
}

// Writable values pass the same checks as from the host; identity and
// counters are the printer's own and are taken as they were saved.
void restoreParameters(const PrinterSnapshot &snapshot, ParameterStore &parameters)
{
    for (const auto &[name, value] : snapshot.parameters) {
        const ParameterSpec *spec = ParameterCatalog::find(name);
        if (spec != nullptr && spec->rule.writable())
            parameters.set(name, value);
        else
            parameters.assign(name, value);
    }
}

void restoreFiles(const PrinterSnapshot &snapshot, FileStore &files)
{
    for (FileKind kind : FileStore::allKinds()) {
        while (!files.files(kind).empty())
            files.remove(kind, files.files(kind).front().name);
    }
    for (const auto &[kind, file] : snapshot.files) {
        if (FileStore::acceptableName(kind, file.name))
            files.store(kind, file.name, file.data);
    }
}

} // namespace

VirtualPrinter::VirtualPrinter(std::string model)
    : VirtualPrinter(std::move(model), [] { return std::chrono::system_clock::now(); })
{
}

VirtualPrinter::VirtualPrinter(std::string model, TimeSource now)
    : m_model(std::move(model)), m_engine(std::make_unique<PrinterEngine>(
                                     ModelCatalog::firmwareVersion(m_model), std::move(now)))
{
}

VirtualPrinter::~VirtualPrinter() = default;

std::string VirtualPrinter::receive(std::string_view bytes)
{
    return m_engine->receive(bytes);
}

void VirtualPrinter::disconnect()
{
    m_engine->disconnect();
}

std::optional<std::string> VirtualPrinter::parameter(std::string_view name) const
{
    return m_engine->commands().valueOf(name);
}

std::uint8_t VirtualPrinter::autoformKey() const
{
    return parameter("autoform_switch") == "on" ? 1 : 0;
}

void VirtualPrinter::setCondition(Condition condition, bool present)
{
    m_engine->parts().status.set(condition, present);
}

bool VirtualPrinter::hasCondition(Condition condition) const
{
    return m_engine->parts().status.has(condition);
}

void VirtualPrinter::setFaults(const FaultOptions &faults)
{
    m_engine->parts().faults = faults;
    m_engine->parts().files.forceFull(faults.storageFull);
}

void VirtualPrinter::setStorageCapacity(std::uint64_t bytes)
{
    m_engine->parts().files.setCapacity(bytes);
}

const std::vector<StoredFile> &VirtualPrinter::storedFiles(FileKind kind) const
{
    return m_engine->parts().files.files(kind);
}

std::size_t VirtualPrinter::functionCount(std::string_view name) const
{
    return m_engine->parts().functions.count(name);
}

const std::deque<FunctionCall> &VirtualPrinter::recentFunctions() const
{
    return m_engine->parts().functions.recent();
}

const std::optional<FirmwareImage> &VirtualPrinter::installedFirmware() const
{
    return m_engine->installedFirmware();
}

void VirtualPrinter::setTraceSink(TraceSink sink)
{
    m_engine->setTraceSink(std::move(sink));
}

std::uint64_t VirtualPrinter::revision() const
{
    const PrinterParts &parts = m_engine->parts();
    return parts.parameters.revision() + parts.files.revision() + parts.clock.revision();
}

bool VirtualPrinter::saveState(const std::filesystem::path &path, std::string &error) const
{
    return StateFile::save(path, snapshotOf(m_engine->parts()), error);
}

bool VirtualPrinter::loadState(const std::filesystem::path &path, std::string &error)
{
    const std::optional<PrinterSnapshot> snapshot = StateFile::load(path, error);
    if (!snapshot)
        return false;
    PrinterParts &parts = m_engine->parts();
    restoreParameters(*snapshot, parts.parameters);
    parts.clock.setOffset(snapshot->clockOffset);
    restoreFiles(*snapshot, parts.files);
    return true;
}

} // namespace virtualprinter
