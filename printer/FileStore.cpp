#include "FileStore.h"

#include <algorithm>

namespace virtualprinter
{
namespace
{

constexpr std::array<std::string_view, 4> KindWords{"bitmaps", "labels", "autoform", "fonts"};

std::size_t indexOf(FileKind kind)
{
    return static_cast<std::size_t>(kind);
}

bool unsafeInList(char c)
{
    return c == ',' || c == '"' || static_cast<unsigned char>(c) < 0x20;
}

bool hasFontMemoryPrefix(std::string_view name)
{
    return name.size() > 2 && (name.substr(0, 2) == "R_" || name.substr(0, 2) == "E_");
}

} // namespace

const std::array<FileKind, 4> &FileStore::allKinds()
{
    static constexpr std::array<FileKind, 4> kinds{FileKind::Bitmaps, FileKind::Labels,
                                                   FileKind::Autoform, FileKind::Fonts};
    return kinds;
}

std::string_view FileStore::wordOf(FileKind kind)
{
    return KindWords[indexOf(kind)];
}

std::optional<FileKind> FileStore::kindNamed(std::string_view word)
{
    for (FileKind kind : allKinds()) {
        if (wordOf(kind) == word)
            return kind;
    }
    return std::nullopt;
}

bool FileStore::acceptableName(FileKind kind, std::string_view name)
{
    if (name.empty() || name.size() > MaxNameLength ||
        std::any_of(name.begin(), name.end(), unsafeInList))
        return false;
    return kind != FileKind::Fonts || hasFontMemoryPrefix(name);
}

std::string FileStore::list(FileKind kind) const
{
    std::string names;
    for (const StoredFile &file : files(kind)) {
        if (!names.empty())
            names += ',';
        names += file.name;
    }
    return names;
}

const std::vector<StoredFile> &FileStore::files(FileKind kind) const
{
    return m_files[indexOf(kind)];
}

std::vector<StoredFile> &FileStore::filesOf(FileKind kind)
{
    return m_files[indexOf(kind)];
}

const StoredFile *FileStore::find(FileKind kind, std::string_view name) const
{
    const auto &list = files(kind);
    const auto found = std::find_if(list.begin(), list.end(),
                                    [name](const StoredFile &file) { return file.name == name; });
    return found == list.end() ? nullptr : &*found;
}

bool FileStore::fits(FileKind kind, std::string_view name, std::uint64_t size) const
{
    const StoredFile *replaced = find(kind, name);
    const std::uint64_t freed = replaced == nullptr ? 0 : replaced->data.size();
    return size <= remaining() + freed;
}

bool FileStore::store(FileKind kind, std::string name, std::string data)
{
    if (!fits(kind, name, data.size()))
        return false;
    remove(kind, name);
    filesOf(kind).push_back({std::move(name), std::move(data)});
    ++m_revision;
    return true;
}

bool FileStore::remove(FileKind kind, std::string_view name)
{
    auto &list = filesOf(kind);
    const auto found = std::find_if(list.begin(), list.end(),
                                    [name](const StoredFile &file) { return file.name == name; });
    if (found == list.end())
        return false;
    list.erase(found);
    ++m_revision;
    return true;
}

std::uint64_t FileStore::used() const
{
    std::uint64_t total = 0;
    for (const auto &list : m_files) {
        for (const StoredFile &file : list)
            total += file.data.size();
    }
    return total;
}

std::uint64_t FileStore::remaining() const
{
    const std::uint64_t inUse = used();
    if (m_forcedFull || inUse >= m_capacity)
        return 0;
    return m_capacity - inUse;
}

} // namespace virtualprinter
