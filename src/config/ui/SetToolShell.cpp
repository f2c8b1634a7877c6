#include "SetToolShell.h"

#include "ApplicationCore.h"
#include "Dialogs.h"
#include "PrinterLink.h"
#include "QuietLinkMessages.h"
#include "TConstLangV.h"
#include "TKestVar.h"

SetToolShell::SetToolShell(ApplicationCore &core, PrinterLink &link,
                           QuietLinkMessages &linkMessages, Dialogs &dialogs)
    : m_core(core), m_link(link), m_linkMessages(linkMessages), m_dialogs(dialogs)
{
}

void SetToolShell::ApplyModelSelection(const QString &model)
{
    if (!m_ready)
        return;
    m_core.ApplyModelSelection(model);
    emit modelApplied(model);
}

bool SetToolShell::FilesPageOffered() const
{
    return m_core.Settings()->HasFeature(QString::fromLatin1(FilesFeature));
}

void SetToolShell::CreatePrinter()
{
    m_link.CreatePrinter();
    m_core.Settings()->DevPrt().SetHandle(m_link.Handle());
}

void SetToolShell::SwitchPage(Page page)
{
    HoldPortQuietly();
    emit pageShown(page);
    if (page == Page::Fonts)
        OpenFontsPage();
    else if (page == Page::Files)
        OpenFilesPage();
}

void SetToolShell::HoldPortQuietly()
{
    // Pages are switched far more often than the printer is plugged in; the
    // user hears about a missing printer when he asks it something.
    m_linkMessages.RunQuietly([this] { m_link.HoldPort(); });
}

void SetToolShell::OpenFontsPage()
{
    if (!m_link.HoldPort())
        return;
    emit fontsPageOpened();
    m_link.ReleasePort();
}

void SetToolShell::OpenFilesPage()
{
    if (FilesPageOffered())
        return;
    TConstLangV &texts = *m_core.Texts();
    m_dialogs.ShowMessage(texts.Entry(QString::fromLatin1(FilesMissingEntry)),
                          texts.Messages().MessageTitle, Dialogs::Icon::Information);
}

void SetToolShell::ShutDown()
{
    emit shuttingDown();
    const QString failure = m_core.ShutDown();
    if (!failure.isEmpty())
        m_dialogs.ShowMessage(failure, ApplicationCore::Title(), Dialogs::Icon::Error);
}
