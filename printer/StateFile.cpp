#include "StateFile.h"

#include <nlohmann/json.hpp>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace virtualprinter
{
namespace
{

using nlohmann::json;

constexpr int FormatVersion = 1;

std::string bytesToUtf8(const std::string &bytes)
{
    std::string text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            text += c;
            continue;
        }
        text += static_cast<char>(0xc0 | byte >> 6);
        text += static_cast<char>(0x80 | (byte & 0x3f));
    }
    return text;
}

// Only characters up to code 255 stand for a byte.
std::string utf8ToBytes(const std::string &text)
{
    std::string bytes;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const auto lead = static_cast<unsigned char>(text[at]);
        if (lead < 0x80) {
            bytes += text[at];
            continue;
        }
        if ((lead & 0xfe) != 0xc2 || at + 1 >= text.size())
            throw std::runtime_error("a text holds a character that is not a single byte");
        const auto trail = static_cast<unsigned char>(text[++at]);
        bytes += static_cast<char>((lead & 0x03) << 6 | (trail & 0x3f));
    }
    return bytes;
}

std::string toHex(const std::string &bytes)
{
    static constexpr char Digits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        hex += Digits[byte >> 4];
        hex += Digits[byte & 0x0f];
    }
    return hex;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    throw std::runtime_error("file contents are not hexadecimal");
}

std::string fromHex(const std::string &hex)
{
    if (hex.size() % 2 != 0)
        throw std::runtime_error("file contents have an odd number of digits");
    std::string bytes;
    bytes.reserve(hex.size() / 2);
    for (std::size_t at = 0; at < hex.size(); at += 2)
        bytes += static_cast<char>(hexDigit(hex[at]) << 4 | hexDigit(hex[at + 1]));
    return bytes;
}

json filesToJson(const PrinterSnapshot &snapshot)
{
    json files = json::object();
    for (FileKind kind : FileStore::allKinds())
        files[std::string(FileStore::wordOf(kind))] = json::array();
    for (const auto &[kind, file] : snapshot.files) {
        files[std::string(FileStore::wordOf(kind))].push_back(
            {{"name", bytesToUtf8(file.name)}, {"data", toHex(file.data)}});
    }
    return files;
}

void filesFromJson(const json &files, PrinterSnapshot &snapshot)
{
    for (const auto &[word, list] : files.items()) {
        const std::optional<FileKind> kind = FileStore::kindNamed(word);
        if (!kind)
            throw std::runtime_error("unknown file kind \"" + word + "\"");
        for (const json &file : list) {
            snapshot.files.emplace_back(
                *kind, StoredFile{utf8ToBytes(file.at("name")), fromHex(file.at("data"))});
        }
    }
}

} // namespace

std::string StateFile::toJson(const PrinterSnapshot &snapshot)
{
    json parameters = json::object();
    for (const auto &[name, value] : snapshot.parameters)
        parameters[name] = bytesToUtf8(value);
    const json document = {{"format", FormatVersion},
                           {"parameters", parameters},
                           {"clockOffsetSeconds", snapshot.clockOffset.count()},
                           {"files", filesToJson(snapshot)}};
    return document.dump(2) + "\n";
}

std::optional<PrinterSnapshot> StateFile::fromJson(const std::string &text, std::string &error)
{
    try {
        const json document = json::parse(text);
        if (document.at("format") != FormatVersion)
            throw std::runtime_error("unsupported format");
        PrinterSnapshot snapshot;
        for (const auto &[name, value] : document.at("parameters").items())
            snapshot.parameters[name] = utf8ToBytes(value.get<std::string>());
        snapshot.clockOffset =
            std::chrono::seconds(document.at("clockOffsetSeconds").get<long long>());
        filesFromJson(document.at("files"), snapshot);
        return snapshot;
    } catch (const std::exception &failure) {
        error = failure.what();
        return std::nullopt;
    }
}

bool StateFile::save(const std::filesystem::path &path, const PrinterSnapshot &snapshot,
                     std::string &error)
{
    std::filesystem::path temporary = path;
    temporary += ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << toJson(snapshot);
        if (!out.flush()) {
            error = "cannot write " + temporary.string();
            return false;
        }
    }
    std::error_code renameError;
    std::filesystem::rename(temporary, path, renameError);
    if (renameError) {
        error = "cannot replace " + path.string() + ": " + renameError.message();
        return false;
    }
    return true;
}

std::optional<PrinterSnapshot> StateFile::load(const std::filesystem::path &path,
                                               std::string &error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read " + path.string();
        return std::nullopt;
    }
    std::ostringstream text;
    text << in.rdbuf();
    std::optional<PrinterSnapshot> snapshot = fromJson(text.str(), error);
    if (!snapshot)
        error = path.string() + ": " + error;
    return snapshot;
}

} // namespace virtualprinter
