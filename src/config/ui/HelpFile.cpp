#include "HelpFile.h"

#include "PlatformPaths.h"

#include <QFileInfo>

HelpFile::HelpFile(const QString &programFolder, Dialogs &dialogs, Open open)
    : m_path(PlatformPaths::join(programFolder, FileName())), m_dialogs(dialogs),
      m_open(std::move(open))
{
}

void HelpFile::Show(const QString &missingText, const QString &errorCaption)
{
    if (QFileInfo::exists(m_path))
        m_open(m_path);
    else
        m_dialogs.ShowMessage(missingText, errorCaption, Dialogs::Icon::Error);
}
