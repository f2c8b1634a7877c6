#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class ApplicationCore;
class Dialogs;
class PrinterLink;
class QuietLinkMessages;

// What the main window does beyond showing controls: the model selection and
// where it goes, the page switches and the port they hold, the printer
// object, the texts the window keeps for its messages, and the release of the
// process-wide objects when the window goes. The pages of the later steps
// hook into its signals.
class SetToolShell : public QObject
{
    Q_OBJECT

public:
    enum class Page { Config, Test, CommandTest, Firmware, Fonts, Files };
    Q_ENUM(Page)

    static constexpr char FilesFeature[] = "FTNNo_btnT_Files_Visible__01_IsY";
    static constexpr char FilesMissingEntry[] = "Lang_All_00010023_11";

    SetToolShell(ApplicationCore &core, PrinterLink &link, QuietLinkMessages &linkMessages,
                 Dialogs &dialogs);

    // Model selections take effect once the window's frames exist.
    void SetReady() { m_ready = true; }
    void ApplyModelSelection(const QString &model);
    bool FilesPageOffered() const;

    // Creates the printer object and hands it to the second printer record.
    void CreatePrinter();

    void SwitchPage(Page page);

    void HoldText(const QString &name, const QString &text) { m_held.insert(name, text); }
    QString HeldText(const QString &name) const { return m_held.value(name); }

    // Releases the process-wide objects; a failure is shown, captioned with
    // the program's title since the language texts are gone by then.
    void ShutDown();

signals:
    void modelApplied(const QString &model);
    // The page is in front; its extra steps follow.
    void pageShown(SetToolShell::Page page);
    // The fonts page is shown and the port held: time to list the stored
    // fonts and the free space.
    void fontsPageOpened();
    // The process-wide objects are about to go.
    void shuttingDown();

private:
    void HoldPortQuietly();
    void OpenFontsPage();
    void OpenFilesPage();

    ApplicationCore &m_core;
    PrinterLink &m_link;
    QuietLinkMessages &m_linkMessages;
    Dialogs &m_dialogs;
    bool m_ready = false;
    QHash<QString, QString> m_held;
};
