#pragma once

#include <QLibrary>
#include <QString>

// An outside library that may be missing: it is loaded only when its file
// exists, and its entry points are bound by name. An entry point that could
// not be bound is null, and callers skip calls through it.
class OptionalLibrary
{
public:
    explicit OptionalLibrary(const QString &filePath);

    bool fileExists() const;
    bool load();
    bool isLoaded() const { return m_library.isLoaded(); }
    bool unload();
    QString errorString() const { return m_library.errorString(); }

    // Points the entry at the library's function of that name, or at nothing.
    template <typename Function> void bind(Function &entry, const char *name)
    {
        entry = isLoaded() ? reinterpret_cast<Function>(m_library.resolve(name)) : nullptr;
    }

    // The library's place beside the program: folder "PrtDll" in the program
    // folder, file name with the platform's library suffix.
    static QString beside(const QString &programFolder, const QString &baseName);

private:
    QString m_path;
    QLibrary m_library;
};
