#include "FrameParser.h"

#include "Protocol.h"

#include <algorithm>

namespace virtualprinter
{
namespace
{

using protocol::CommandPrefix;

// Zone, key number, constant and value follow the word and its line end.
constexpr std::size_t KeyTailOffset =
    CommandPrefix.size() + protocol::GetKeyWord.size() + protocol::LineEnd.size();

bool startsKeyFrame(std::string_view body, std::string_view word)
{
    return body.size() >= word.size() + protocol::LineEnd.size() &&
           body.substr(0, word.size()) == word &&
           body.substr(word.size(), protocol::LineEnd.size()) == protocol::LineEnd;
}

std::uint8_t byteAt(std::string_view bytes, std::size_t index)
{
    return static_cast<std::uint8_t>(bytes[index]);
}

ParsedUnit unit(ParsedUnit::Kind kind, std::size_t length)
{
    ParsedUnit result;
    result.kind = kind;
    result.length = length;
    return result;
}

} // namespace

ParsedUnit FrameParser::next(std::string_view pending)
{
    if (pending.substr(0, CommandPrefix.size()) != CommandPrefix)
        return outsideFrame(pending);
    const std::string_view body = pending.substr(CommandPrefix.size());
    if (startsKeyFrame(body, protocol::GetKeyWord))
        return keyFrame(pending, false);
    if (startsKeyFrame(body, protocol::SetKeyWord))
        return keyFrame(pending, true);
    return textFrame(pending);
}

ParsedUnit FrameParser::outsideFrame(std::string_view pending)
{
    const std::size_t prefixAt = pending.find(CommandPrefix);
    if (prefixAt != std::string_view::npos)
        return unit(ParsedUnit::Kind::Stray, prefixAt);
    // A prefix may be arriving in pieces: keep its first bytes back.
    const std::size_t stray = pending.size() - partialPrefixAtEnd(pending);
    return unit(stray == 0 ? ParsedUnit::Kind::Incomplete : ParsedUnit::Kind::Stray, stray);
}

ParsedUnit FrameParser::keyFrame(std::string_view pending, bool isSet)
{
    const std::size_t size = isSet ? protocol::SetKeyFrameSize : protocol::GetKeyFrameSize;
    if (pending.size() < size)
        return unit(ParsedUnit::Kind::Incomplete, 0);
    const std::size_t tail = KeyTailOffset;
    ParsedUnit result = unit(ParsedUnit::Kind::Key, size);
    result.key.isSet = isSet;
    result.key.zone = byteAt(pending, tail);
    result.key.key =
        static_cast<std::uint16_t>(byteAt(pending, tail + 1) | (byteAt(pending, tail + 2) << 8));
    result.key.constant = byteAt(pending, tail + 3);
    result.key.value = isSet ? byteAt(pending, tail + 4) : 0;
    return result;
}

ParsedUnit FrameParser::textFrame(std::string_view pending)
{
    const std::size_t lineEnd = pending.find(protocol::LineEnd, CommandPrefix.size());
    const std::size_t nextPrefix = pending.find(CommandPrefix, 1);
    // A new frame before this one's line end means the host gave up on it.
    if (nextPrefix != std::string_view::npos &&
        (lineEnd == std::string_view::npos || nextPrefix < lineEnd))
        return unit(ParsedUnit::Kind::Broken, nextPrefix);
    if (lineEnd == std::string_view::npos) {
        if (pending.size() <= CommandPrefix.size() + MaxLineLength)
            return unit(ParsedUnit::Kind::Incomplete, 0);
        return unit(ParsedUnit::Kind::Broken, pending.size() - partialPrefixAtEnd(pending));
    }
    ParsedUnit result = unit(ParsedUnit::Kind::Text, lineEnd + protocol::LineEnd.size());
    result.text = pending.substr(CommandPrefix.size(), lineEnd - CommandPrefix.size());
    return result;
}

std::size_t FrameParser::partialPrefixAtEnd(std::string_view pending)
{
    const std::size_t longest = std::min(pending.size(), CommandPrefix.size() - 1);
    for (std::size_t length = longest; length > 0; --length) {
        if (pending.substr(pending.size() - length) == CommandPrefix.substr(0, length))
            return length;
    }
    return 0;
}

} // namespace virtualprinter
