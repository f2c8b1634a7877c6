#pragma once

#include "Dialogs.h"

#include <QString>

#include <functional>

// The help file beside the program, opened in the desktop's viewer for it.
class HelpFile
{
public:
    using Open = std::function<void(const QString &path)>;

    static QString FileName() { return QStringLiteral("Help.chm"); }

    HelpFile(const QString &programFolder, Dialogs &dialogs, Open open);

    // Without the file the user is told so, with the window's texts.
    void Show(const QString &missingText, const QString &errorCaption);

private:
    QString m_path;
    Dialogs &m_dialogs;
    Open m_open;
};
