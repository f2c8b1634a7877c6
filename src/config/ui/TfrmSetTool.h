#pragma once

#include "DesktopShell.h"
#include "PortSelection.h"
#include "SetToolShell.h"

#include <QMainWindow>
#include <QMap>

class ApplicationCore;
class ConfigModel;
class ConfigPageBinder;
class ConfigService;
class HelpFile;
class PrinterStateReader;
class QComboBox;
class QDialog;
class QGroupBox;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QToolButton;

// The main window: the printer panel on the left (model and port, printer
// information, printer state, help and About), a row of six page buttons
// along the top, and the six pages in the work area. Every control carries
// its design name; what the controls do lives in the shell and the models
// the window is given.
class TfrmSetTool : public QMainWindow
{
    Q_OBJECT

public:
    using Page = SetToolShell::Page;

    struct Parts {
        ApplicationCore &core;
        SetToolShell &shell;
        PortSelection &ports;
        PrinterStateReader &state;
        HelpFile &help;
        ConfigModel &config;
        ConfigService &configService;
        QString programFolder;
        DesktopShell::Open open;
    };

    static constexpr int StartWidth = 809;
    static constexpr int StartHeight = 591;
    static constexpr int FilesButtonWidth = 164;

    explicit TfrmSetTool(const Parts &parts);
    ~TfrmSetTool() override;

    // The port dialogs are created after the window, which opens them.
    void SetPortDialogs(QDialog *lpt, QDialog *net, QDialog *rs232);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void CreateControls();
    QWidget *CreatePageRow();
    void CreateToolBar();
    QWidget *CreatePrinterPanel();
    QGroupBox *CreatePortGroup();
    QGroupBox *CreateInfoGroup();
    QGroupBox *CreateStateGroup();
    QWidget *CreateWorkArea();
    QWidget *CreateConfigPage();

    void FormCreate();
    void FormShow();
    void ApplyTexts();
    void ShowPage(Page page);
    void ShowFilesButton();

    void cmbPrtsChange();
    void cbbPortTypeChange(int index);
    void btnPortSetClick();
    void btnGetStateClick();
    void btnHelpClick();
    void btnAboutClick();

    Parts m_parts;
    bool m_shown = false;
    QComboBox *m_models = nullptr;
    QComboBox *m_portTypes = nullptr;
    QPushButton *m_portSet = nullptr;
    QPlainTextEdit *m_state = nullptr;
    QStackedWidget *m_workArea = nullptr;
    QMap<Page, QToolButton *> m_toolButtons;
    QMap<Page, QToolButton *> m_pageButtons;
    QMap<Page, QWidget *> m_pages;
    QMap<PortSelection::Kind, QDialog *> m_portDialogs;
    ConfigPageBinder *m_configPages = nullptr;
};
