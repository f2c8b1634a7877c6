#pragma once

#include <QString>

#include <functional>

// The desktop's default action for a file or a web address: the help file
// opens in its viewer, the maker's home page in the web browser. Windows and
// models take the action as a function, so tests can see what would open.
class DesktopShell
{
public:
    using Open = std::function<void(const QString &target)>;

    // A file path or an address with a scheme ("https://...").
    static void OpenTarget(const QString &target);
};
