#include "FirmwareReceiver.h"

#include "DecimalText.h"

#include "Protocol.h"

#include <algorithm>
#include <charconv>

namespace virtualprinter
{

std::optional<std::string> FirmwareReceiver::versionInName(std::string_view name)
{
    for (std::size_t at = name.find('V'); at != std::string_view::npos;
         at = name.find('V', at + 1)) {
        if (at + 1 >= name.size() || !DecimalText::isDigit(name[at + 1]))
            continue;
        std::size_t end = at + 1;
        while (end < name.size() && (DecimalText::isDigit(name[end]) || name[end] == '.'))
            ++end;
        std::string_view version = name.substr(at, end - at);
        while (version.back() == '.')
            version.remove_suffix(1);
        return std::string(version);
    }
    return std::nullopt;
}

void FirmwareReceiver::begin()
{
    m_stage = Stage::Header;
    m_image = {};
    m_expected = 0;
    m_markerMatched = 0;
}

FirmwareReceiver::Step FirmwareReceiver::consume(std::string_view pending)
{
    switch (m_stage) {
    case Stage::Header:
        return consumeHeader(pending);
    case Stage::Data:
        return consumeData(pending);
    case Stage::EndMarker:
        return consumeEndMarker(pending);
    case Stage::Idle:
        break;
    }
    return {};
}

void FirmwareReceiver::abandon()
{
    m_stage = Stage::Idle;
    m_image = {};
}

std::optional<FirmwareImage> FirmwareReceiver::takeFinished()
{
    std::optional<FirmwareImage> finished = std::move(m_finished);
    m_finished.reset();
    return finished;
}

// The name may itself hold commas; the header ends at the first comma that
// closes a run of digits following another comma.
FirmwareReceiver::Step FirmwareReceiver::consumeHeader(std::string_view pending)
{
    const std::string_view window = pending.substr(0, MaxHeaderLength);
    for (std::size_t close = window.find(','); close != std::string_view::npos;
         close = window.find(',', close + 1)) {
        const std::size_t open = window.rfind(',', close == 0 ? 0 : close - 1);
        if (open == std::string_view::npos || open == close)
            continue;
        const std::string_view sizeText = window.substr(open + 1, close - open - 1);
        if (DecimalText::allDigits(sizeText))
            return startImage(window.substr(0, open), sizeText, close + 1);
    }
    if (pending.size() < MaxHeaderLength)
        return {};
    abandon();
    return {MaxHeaderLength, std::string(protocol::Refused), "firmware header too long, refused"};
}

FirmwareReceiver::Step FirmwareReceiver::startImage(std::string_view name,
                                                    std::string_view sizeText, std::size_t consumed)
{
    std::uint64_t size = 0;
    const auto parsed = std::from_chars(sizeText.data(), sizeText.data() + sizeText.size(), size);
    const std::string header =
        "firmware \"" + std::string(name) + "\" of " + std::string(sizeText) + " bytes";
    if (name.empty() || parsed.ec != std::errc() || size > MaxImageSize ||
        m_faults.refuseFirmware) {
        abandon();
        return {consumed, std::string(protocol::Refused), header + " refused"};
    }
    m_image.name = std::string(name);
    m_expected = size;
    m_stage = size == 0 ? Stage::EndMarker : Stage::Data;
    return {consumed, std::string(protocol::Accepted), header + " accepted"};
}

FirmwareReceiver::Step FirmwareReceiver::consumeData(std::string_view pending)
{
    const std::size_t count = static_cast<std::size_t>(
        std::min<std::uint64_t>(pending.size(), m_expected - m_image.data.size()));
    m_image.data.append(pending.substr(0, count));
    if (m_image.data.size() == m_expected)
        m_stage = Stage::EndMarker;
    return {count, {}, {}};
}

FirmwareReceiver::Step FirmwareReceiver::consumeEndMarker(std::string_view pending)
{
    const std::string_view marker = protocol::FirmwareEndMarker;
    std::size_t consumed = 0;
    while (consumed < pending.size() && m_markerMatched < marker.size()) {
        if (pending[consumed] != marker[m_markerMatched]) {
            abandon();
            return {consumed, {}, "firmware image not followed by ^END, dropped"};
        }
        ++consumed;
        ++m_markerMatched;
    }
    if (m_markerMatched < marker.size())
        return {consumed, {}, {}};
    m_finished = std::move(m_image);
    abandon();
    return {consumed, {}, "firmware \"" + m_finished->name + "\" complete"};
}

} // namespace virtualprinter
