#pragma once

#include "CommandLine.h"
#include "FileStore.h"
#include "FrameParser.h"
#include "PrinterParts.h"

#include <optional>
#include <string>
#include <string_view>

namespace virtualprinter
{

// What the printer does for each getval, setval, do and key frame.
class CommandHandler
{
public:
    struct Result {
        std::string reply;
        std::string note; // the outcome in a few words, for the log
    };

    explicit CommandHandler(PrinterParts &parts) : m_parts(parts) {}

    Result handle(const CommandLine &line);
    Result handle(const KeyFrame &frame);

    // What getval answers for a name, computed values included; nothing for
    // a name the printer does not know.
    std::optional<std::string> valueOf(std::string_view name) const;

private:
    Result getValue(std::string_view name) const;
    Result setValue(std::string_view name, std::string_view value);
    Result runFunction(const CommandLine &line);
    Result runDump(std::string_view stage);
    Result startDownload(std::string_view kindWord, std::string_view name);
    Result deleteFile(std::string_view kindWord, std::string_view name);
    Result printFile(std::string_view kindWord, std::string_view name) const;
    Result getKey() const;
    Result setKey(const KeyFrame &frame);
    std::optional<std::string> storageValue(std::string_view name) const;

    PrinterParts &m_parts;
};

} // namespace virtualprinter
