#include "PrinterEngine.h"

#include "ByteText.h"
#include "Protocol.h"

#include <algorithm>

namespace virtualprinter
{
namespace
{

std::string describeKey(const KeyFrame &frame)
{
    std::string text = std::string(frame.isSet ? "setkey" : "getkey") + " zone " +
                       std::to_string(frame.zone) + " key " + std::to_string(frame.key);
    if (frame.isSet)
        text += " value " + std::to_string(frame.value);
    return text;
}

std::string describeAnswer(const DownloadReceiver::Answer &answer)
{
    std::string text = "packet " + std::to_string(answer.index) + ": status " +
                       std::to_string(static_cast<unsigned>(answer.status));
    if (answer.status == AckStatus::Ok)
        text += ", " + std::to_string(answer.dataLength) + " data bytes";
    if (answer.stored)
        text += ", file stored";
    return text;
}

} // namespace

PrinterEngine::PrinterEngine(std::string firmwareVersion, PrinterClock::TimeSource now)
    : m_parts(std::move(firmwareVersion), std::move(now)), m_commands(m_parts)
{
}

std::string PrinterEngine::receive(std::string_view bytes)
{
    m_pending.append(bytes);
    std::string reply;
    while (step(reply)) {
    }
    if (m_parts.faults.noReply)
        return {};
    return reply;
}

void PrinterEngine::disconnect()
{
    if (!m_pending.empty() || mode() != Mode::Command)
        trace("connection closed, unfinished input dropped");
    m_pending.clear();
    m_parts.download.abandon();
    m_parts.firmware.abandon();
}

PrinterEngine::Mode PrinterEngine::mode() const
{
    if (m_parts.download.active())
        return Mode::Download;
    if (m_parts.firmware.active())
        return Mode::Firmware;
    return Mode::Command;
}

// What arrives while the dump runs is kept, apart from the frames that start
// and end it.
bool PrinterEngine::step(std::string &reply)
{
    if (m_pending.empty())
        return false;
    const Mode before = mode();
    const bool capturing = m_parts.dump.capturing();
    const std::uint64_t starts = m_parts.dump.starts();
    Step step = before == Mode::Download   ? downloadStep()
                : before == Mode::Firmware ? firmwareStep()
                                           : commandStep();
    if (capturing && m_parts.dump.capturing() && starts == m_parts.dump.starts())
        m_parts.dump.capture(std::string_view(m_pending).substr(0, step.consumed));
    m_pending.erase(0, step.consumed);
    reply += step.reply;
    return step.consumed > 0 || mode() != before;
}

PrinterEngine::Step PrinterEngine::commandStep()
{
    const ParsedUnit unit = FrameParser::next(m_pending);
    const std::string_view bytes = std::string_view(m_pending).substr(0, unit.length);
    switch (unit.kind) {
    case ParsedUnit::Kind::Incomplete:
        return {};
    case ParsedUnit::Kind::Stray:
        trace("data outside frames: " + ByteText::readable(bytes));
        return {unit.length, {}};
    case ParsedUnit::Kind::Broken:
        trace("unfinished frame dropped: " + ByteText::readable(bytes));
        return {unit.length, {}};
    case ParsedUnit::Kind::Text:
    case ParsedUnit::Kind::Key:
        break;
    }
    return frameStep(unit);
}

PrinterEngine::Step PrinterEngine::frameStep(const ParsedUnit &unit)
{
    if (unit.kind == ParsedUnit::Kind::Key) {
        CommandHandler::Result result = m_commands.handle(unit.key);
        trace(describeKey(unit.key) + " " + result.note);
        return {unit.length, std::move(result.reply)};
    }
    const std::optional<CommandLine> line = CommandLine::parse(unit.text);
    CommandHandler::Result result =
        line ? m_commands.handle(*line) : CommandHandler::Result{{}, "not understood, ignored"};
    trace(ByteText::readable(unit.text) + " " + result.note);
    return {unit.length, std::move(result.reply)};
}

// A command instead of the next packet means the host gave up on the
// transfer; anything else of packet size is a packet, answered even when
// damaged so the host learns why it failed.
PrinterEngine::Step PrinterEngine::downloadStep()
{
    const std::string_view prefix = protocol::CommandPrefix;
    const std::size_t compared = std::min(m_pending.size(), prefix.size());
    if (std::string_view(m_pending).substr(0, compared) == prefix.substr(0, compared)) {
        trace("download of \"" + m_parts.download.name() + "\" abandoned: a command came instead");
        m_parts.download.abandon();
        return {};
    }
    if (m_pending.size() < protocol::PacketSize)
        return {};
    DownloadReceiver::Answer answer =
        m_parts.download.accept(std::string_view(m_pending).substr(0, protocol::PacketSize));
    trace(describeAnswer(answer));
    return {protocol::PacketSize, std::move(answer.acknowledgement)};
}

PrinterEngine::Step PrinterEngine::firmwareStep()
{
    FirmwareReceiver::Step step = m_parts.firmware.consume(m_pending);
    if (!step.event.empty())
        trace(step.event);
    if (std::optional<FirmwareImage> image = m_parts.firmware.takeFinished())
        install(std::move(*image));
    return {step.consumed, std::move(step.reply)};
}

void PrinterEngine::install(FirmwareImage image)
{
    if (const std::optional<std::string> version = FirmwareReceiver::versionInName(image.name)) {
        m_parts.parameters.assign("version", *version);
        trace("now running firmware " + *version);
    }
    m_installed = std::move(image);
}

void PrinterEngine::trace(const std::string &line) const
{
    if (m_trace)
        m_trace(line);
}

} // namespace virtualprinter
