#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace virtualprinter
{

enum class FileKind { Bitmaps, Labels, Autoform, Fonts };

struct StoredFile {
    std::string name;
    std::string data;
};

// The printer's file memory: pictures, templates, automatic templates and
// fonts, each kind with its own list, all sharing one capacity.
class FileStore
{
public:
    static constexpr std::uint64_t DefaultCapacity = 8 * 1024 * 1024;
    static constexpr std::size_t MaxNameLength = 255;

    explicit FileStore(std::uint64_t capacity = DefaultCapacity) : m_capacity(capacity) {}

    static const std::array<FileKind, 4> &allKinds();
    // The printer's word for a kind: bitmaps, labels, autoform, fonts.
    static std::string_view wordOf(FileKind kind);
    static std::optional<FileKind> kindNamed(std::string_view word);
    // A name the list reply can carry: no comma, quote or control character;
    // fonts also need their memory prefix R_ or E_.
    static bool acceptableName(FileKind kind, std::string_view name);

    // The names of one kind, comma-separated, oldest first.
    std::string list(FileKind kind) const;
    const std::vector<StoredFile> &files(FileKind kind) const;
    const StoredFile *find(FileKind kind, std::string_view name) const;

    // Whether a file of that size would fit, counting the room freed by the
    // file of the same name it replaces.
    bool fits(FileKind kind, std::string_view name, std::uint64_t size) const;
    // False, with nothing changed, when the file does not fit.
    bool store(FileKind kind, std::string name, std::string data);
    bool remove(FileKind kind, std::string_view name);

    void setCapacity(std::uint64_t capacity) { m_capacity = capacity; }
    // A memory that reports itself full whatever it holds.
    void forceFull(bool full) { m_forcedFull = full; }
    std::uint64_t used() const;
    std::uint64_t remaining() const;

    std::uint64_t revision() const { return m_revision; }

private:
    std::vector<StoredFile> &filesOf(FileKind kind);

    std::array<std::vector<StoredFile>, 4> m_files;
    std::uint64_t m_capacity;
    bool m_forcedFull = false;
    std::uint64_t m_revision = 0;
};

} // namespace virtualprinter
