#pragma once

#include "FileStore.h"

#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace virtualprinter
{

// What a printer keeps across power cycles.
struct PrinterSnapshot {
    std::map<std::string, std::string> parameters;
    std::chrono::seconds clockOffset{0};
    std::vector<std::pair<FileKind, StoredFile>> files;
};

// The printer's memory in a JSON file. Texts are byte strings on the wire,
// so each byte is kept as the character of the same code; file contents are
// kept as hexadecimal digits.
class StateFile
{
public:
    // Writes a new file beside the old one and renames it over, so a crash
    // never leaves half a state behind. False with a message on failure.
    static bool save(const std::filesystem::path &path, const PrinterSnapshot &snapshot,
                     std::string &error);
    // Nothing, with a message, when the file cannot be read or is malformed.
    static std::optional<PrinterSnapshot> load(const std::filesystem::path &path,
                                               std::string &error);

    static std::string toJson(const PrinterSnapshot &snapshot);
    static std::optional<PrinterSnapshot> fromJson(const std::string &text, std::string &error);
};

} // namespace virtualprinter
