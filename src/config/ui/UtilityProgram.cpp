#include "UtilityProgram.h"

#include "CommandProtocol.h"
#include "ConfigMessages.h"
#include "ConfigModel.h"
#include "ConfigService.h"
#include "HelpFile.h"
#include "LinkMessageBoxes.h"
#include "PortSelection.h"
#include "PrinterLink.h"
#include "PrinterStateReader.h"
#include "QuietLinkMessages.h"
#include "SerialPortRegistry.h"
#include "SetToolShell.h"
#include "TConstLangV.h"
#include "TGlobalVar.h"
#include "TfrmAbout.h"
#include "TfrmLPTSet.h"
#include "TfrmNetSet.h"
#include "TfrmRS232Set.h"
#include "TfrmSetTool.h"

const QString UtilityProgram::SimulatorSwitch = QStringLiteral("--simulator");

UtilityProgram::UtilityProgram(ApplicationCore::Environment environment, Services services)
    : m_services(std::move(services)),
      m_simulator(environment.arguments.mid(1).contains(SimulatorSwitch))
{
    environment.arguments = WithoutSimulatorSwitch(environment.arguments);
    m_core = std::make_unique<ApplicationCore>(
        std::move(environment),
        ApplicationCore::Services{m_services.dialogs, m_services.clock, m_services.systemLanguage,
                                  m_services.printerApi, m_services.identityDialog});
}

UtilityProgram::~UtilityProgram()
{
    // The window goes first: its end releases the objects it works with.
    delete m_mainWindow;
}

QStringList UtilityProgram::WithoutSimulatorSwitch(const QStringList &arguments)
{
    QStringList kept = arguments.mid(0, 1);
    for (const QString &argument : arguments.mid(1)) {
        if (argument != SimulatorSwitch)
            kept << argument;
    }
    return kept;
}

void UtilityProgram::StartUp()
{
    m_core->StartUp();
    CreateLink();
    CreateMainWindowModels();
    CreateWindows();
}

void UtilityProgram::CreateLink()
{
    m_linkBoxes = std::make_unique<LinkMessageBoxes>(*m_core->Texts(), m_services.dialogs);
    m_linkMessages = std::make_unique<QuietLinkMessages>(*m_linkBoxes);
    m_link =
        std::make_unique<PrinterLink>(m_services.printerApi, m_services.sleeper, *m_linkMessages);
    m_protocol = std::make_unique<CommandProtocol>(*m_link);
}

void UtilityProgram::CreateMainWindowModels()
{
    const TGlobalVar &globals = *m_core->Globals();
    m_registry = std::make_unique<SerialPortRegistry>(globals.UserDataFolder());
    m_ports = std::make_unique<PortSelection>(*m_link, *m_registry, m_simulator);
    m_state = std::make_unique<PrinterStateReader>(*m_link, *m_protocol, *m_core->Texts());
    m_help =
        std::make_unique<HelpFile>(globals.ProgramFolder(), m_services.dialogs, m_services.open);
    m_shell = std::make_unique<SetToolShell>(*m_core, *m_link, *m_linkMessages, m_services.dialogs);
    m_config = std::make_unique<ConfigModel>();
    m_configMessages = std::make_unique<ConfigMessages>(
        m_services.dialogs,
        [texts = m_core->Texts()](const QString &key) { return texts->UiText(key); });
    m_configService = std::make_unique<ConfigService>(*m_config, *m_link, *m_protocol,
                                                      *m_configMessages, m_core->Flags());
}

void UtilityProgram::CreateWindows()
{
    const QString programFolder = m_core->Globals()->ProgramFolder();
    m_mainWindow = new TfrmSetTool({*m_core, *m_shell, *m_ports, *m_state, *m_help, *m_config,
                                    *m_configService, programFolder, m_services.open});
    m_mainWindow->setAttribute(Qt::WA_DeleteOnClose);
    const PortDialog::Context context{*m_ports, *m_core->Texts(), programFolder};
    auto *lpt = new TfrmLPTSet(context, m_mainWindow);
    auto *net = new TfrmNetSet(context, m_mainWindow);
    auto *rs232 = new TfrmRS232Set(context, m_mainWindow);
    m_mainWindow->SetPortDialogs(lpt, net, rs232);
    // One About window is made with the others and stays hidden; the About
    // button shows a fresh one each time.
    new TfrmAbout(*m_core->Texts(), programFolder, m_services.open, m_mainWindow);
}
