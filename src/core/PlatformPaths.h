#pragma once

#include <QString>

// Folder texts of the program. A folder text always ends with the platform's
// separator, so a file name can be appended directly.
class PlatformPaths
{
public:
    static QString separator();
    static QString withSeparator(const QString &folder);
    static QString join(const QString &folder, const QString &name);

    // The per-user data root: "LOCALAPPDATA" when it is set, otherwise the
    // user's data folder of the desktop (XDG_DATA_HOME on Linux).
    static QString localAppData();

    // The folder of the running program.
    static QString programFolder();

    // Creates the folder and any missing parents; true when it exists after.
    static bool ensureFolder(const QString &folder);

    // A shared library's file name with the platform's suffix, for example
    // "PrtCommandsDll.so" on Linux.
    static QString libraryFileName(const QString &baseName);
};
