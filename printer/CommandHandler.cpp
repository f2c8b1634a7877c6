#include "CommandHandler.h"

#include "ByteText.h"
#include "Protocol.h"

namespace virtualprinter
{
namespace
{

const std::string AutoformSwitch = "autoform_switch";

CommandHandler::Result silent(std::string note)
{
    return {{}, std::move(note)};
}

CommandHandler::Result answered(std::string reply)
{
    std::string note = "-> " + ByteText::readable(reply);
    return {std::move(reply), std::move(note)};
}

// An empty value still gets an answer, a single zero byte, so the host can
// tell "nothing stored" from "no such parameter", which gets none.
std::string valueReply(std::string value)
{
    return value.empty() ? std::string(1, '\0') : value;
}

} // namespace

CommandHandler::Result CommandHandler::handle(const CommandLine &line)
{
    const auto &arguments = line.arguments();
    if (line.verb() == "getval" && arguments.size() == 1)
        return getValue(arguments[0]);
    if (line.verb() == "setval" && arguments.size() == 2)
        return setValue(arguments[0], arguments[1]);
    if (line.verb() == "do")
        return runFunction(line);
    return silent("not understood, ignored");
}

CommandHandler::Result CommandHandler::handle(const KeyFrame &frame)
{
    if (frame.constant != protocol::KeyFrameConstant || frame.zone > 1)
        return silent("malformed key frame, ignored");
    if (frame.key != protocol::AutoformSwitchKey)
        return silent("unknown key, ignored");
    return frame.isSet ? setKey(frame) : getKey();
}

std::optional<std::string> CommandHandler::valueOf(std::string_view name) const
{
    if (name == "printer_status")
        return m_parts.status.reply();
    if (PrinterClock::isField(name))
        return m_parts.clock.field(name);
    if (auto stored = storageValue(name))
        return stored;
    return m_parts.parameters.get(name);
}

CommandHandler::Result CommandHandler::getValue(std::string_view name) const
{
    const std::optional<std::string> value = valueOf(name);
    if (!value)
        return silent("unknown name, no answer");
    return answered(valueReply(*value));
}

CommandHandler::Result CommandHandler::setValue(std::string_view name, std::string_view value)
{
    if (PrinterClock::isField(name))
        return silent(m_parts.clock.setField(name, value) ? "stored" : "refused");
    switch (m_parts.parameters.set(name, value)) {
    case ParameterStore::SetResult::Stored:
        return silent("stored");
    case ParameterStore::SetResult::Refused:
        return silent("refused");
    case ParameterStore::SetResult::Unknown:
        break;
    }
    return silent("unknown name, ignored");
}

CommandHandler::Result CommandHandler::runFunction(const CommandLine &line)
{
    const auto &arguments = line.arguments();
    m_parts.functions.record({arguments[0], {arguments.begin() + 1, arguments.end()}});
    const std::string &name = arguments[0];
    if (name == "dump" && arguments.size() == 2)
        return runDump(arguments[1]);
    if (name == "download" && arguments.size() == 3)
        return startDownload(arguments[1], arguments[2]);
    if (name == "delete" && arguments.size() == 3)
        return deleteFile(arguments[1], arguments[2]);
    if (name == "print" && arguments.size() == 3)
        return printFile(arguments[1], arguments[2]);
    if (name == "update_firmware") {
        m_parts.firmware.begin();
        return silent("waiting for the firmware header");
    }
    if (name == "factory_default")
        m_parts.parameters.restoreDefaults();
    return silent("done");
}

CommandHandler::Result CommandHandler::runDump(std::string_view stage)
{
    if (stage == "start") {
        m_parts.dump.start();
        return silent("capturing");
    }
    if (stage == "end")
        return answered(m_parts.dump.end());
    if (stage == "data")
        return {m_parts.dump.data(), std::to_string(m_parts.dump.data().size()) + " bytes sent"};
    return silent("unknown dump stage, ignored");
}

CommandHandler::Result CommandHandler::startDownload(std::string_view kindWord,
                                                     std::string_view name)
{
    const std::optional<FileKind> kind = FileStore::kindNamed(kindWord);
    if (!kind || !FileStore::acceptableName(*kind, name) || m_parts.faults.refuseDownload)
        return answered(std::string(protocol::Refused));
    m_parts.download.begin(*kind, std::string(name));
    return answered(std::string(protocol::Accepted));
}

// Only a font delete is answered; the other kinds are deleted silently.
CommandHandler::Result CommandHandler::deleteFile(std::string_view kindWord, std::string_view name)
{
    const std::optional<FileKind> kind = FileStore::kindNamed(kindWord);
    if (!kind)
        return silent("unknown kind, ignored");
    const bool removed = m_parts.files.remove(*kind, name);
    if (*kind == FileKind::Fonts)
        return answered(std::string(removed ? protocol::Accepted : protocol::Refused) + "\r\n");
    return silent(removed ? "deleted" : "no such file");
}

CommandHandler::Result CommandHandler::printFile(std::string_view kindWord,
                                                 std::string_view name) const
{
    const std::optional<FileKind> kind = FileStore::kindNamed(kindWord);
    const bool found = kind && m_parts.files.find(*kind, name) != nullptr;
    return silent(found ? "printed" : "no such file");
}

CommandHandler::Result CommandHandler::getKey() const
{
    const bool on = m_parts.parameters.get(AutoformSwitch) == "on";
    return answered(std::string(1, on ? '\1' : '\0'));
}

CommandHandler::Result CommandHandler::setKey(const KeyFrame &frame)
{
    if (frame.value > 1)
        return silent("refused");
    m_parts.parameters.set(AutoformSwitch, frame.value == 1 ? "on" : "off");
    return silent("stored");
}

std::optional<std::string> CommandHandler::storageValue(std::string_view name) const
{
    if (const std::optional<FileKind> kind = FileStore::kindNamed(name))
        return m_parts.files.list(*kind);
    if (name == "use_capacity")
        return std::to_string(m_parts.files.used());
    if (name == "remain_capacity")
        return std::to_string(m_parts.files.remaining());
    return std::nullopt;
}

} // namespace virtualprinter
