#pragma once

#include "ApplicationCore.h"
#include "DesktopShell.h"
#include "TfrmSetTool.h"

#include <QPointer>
#include <QStringList>

#include <memory>

class CommandProtocol;
class ConfigMessages;
class ConfigModel;
class ConfigService;
class HelpFile;
class LinkMessageBoxes;
class PortSelection;
class PrinterLink;
class PrinterStateReader;
class QuietLinkMessages;
class SerialPortRegistry;
class SetToolShell;
class Sleeper;

// The program put together: the process-wide objects in their order, the
// printer link, the main window's models, then the windows in their order.
// The main window releases the process-wide objects when it goes; closing it
// ends the program.
class UtilityProgram
{
public:
    // Anywhere on the command line: the built-in virtual printer is the
    // current port, and the program reads its switches as if the word were
    // not there.
    static const QString SimulatorSwitch;

    struct Services {
        Dialogs &dialogs;
        const Clock &clock;
        const SystemLanguage &systemLanguage;
        PrinterApi &printerApi;
        Sleeper &sleeper;
        IdentityDialog *identityDialog = nullptr;
        DesktopShell::Open open;
    };

    UtilityProgram(ApplicationCore::Environment environment, Services services);
    ~UtilityProgram();

    UtilityProgram(const UtilityProgram &) = delete;
    UtilityProgram &operator=(const UtilityProgram &) = delete;

    static QStringList WithoutSimulatorSwitch(const QStringList &arguments);

    // Everything up to the windows; the main window shows when the caller
    // shows it.
    void StartUp();

    bool Simulator() const { return m_simulator; }
    ApplicationCore &Core() { return *m_core; }
    PrinterLink &Link() { return *m_link; }
    SetToolShell &Shell() { return *m_shell; }
    TfrmSetTool *MainWindow() const { return m_mainWindow; }
    ConfigModel &Config() { return *m_config; }
    ConfigService &ConfigPages() { return *m_configService; }

private:
    void CreateLink();
    void CreateMainWindowModels();
    void CreateWindows();

    Services m_services;
    bool m_simulator;
    std::unique_ptr<ApplicationCore> m_core;
    std::unique_ptr<LinkMessageBoxes> m_linkBoxes;
    std::unique_ptr<QuietLinkMessages> m_linkMessages;
    std::unique_ptr<PrinterLink> m_link;
    std::unique_ptr<CommandProtocol> m_protocol;
    std::unique_ptr<SerialPortRegistry> m_registry;
    std::unique_ptr<PortSelection> m_ports;
    std::unique_ptr<PrinterStateReader> m_state;
    std::unique_ptr<HelpFile> m_help;
    std::unique_ptr<SetToolShell> m_shell;
    std::unique_ptr<ConfigModel> m_config;
    std::unique_ptr<ConfigMessages> m_configMessages;
    std::unique_ptr<ConfigService> m_configService;
    QPointer<TfrmSetTool> m_mainWindow;
};
