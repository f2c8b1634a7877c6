#pragma once

#include <QIcon>
#include <QString>

// The window icon every window of the program loads from the file
// "icon16.ico" in the "icon" folder beside the program.
class ProgramIcon
{
public:
    static QString FilePath(const QString &programFolder);
    // An empty icon when the file is missing; the window then keeps the
    // desktop's default.
    static QIcon Load(const QString &programFolder);
};
