#include "TfrmSetTool.h"

#include "ApplicationCore.h"
#include "ConfigModel.h"
#include "ConfigPageBinder.h"
#include "ConfigPagesBuilder.h"
#include "HelpFile.h"
#include "MainWindowTexts.h"
#include "PortSelection.h"
#include "PrinterStateReader.h"
#include "ProgramIcon.h"
#include "ReadOnlyLook.h"
#include "TConstLangV.h"
#include "TextPlanApplier.h"
#include "TfrmAbout.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace
{

using Page = SetToolShell::Page;

struct PageEntry {
    Page page;
    const char *toolButton;
    const char *pageButton;
    const char *panel;
    const char *glyph;
};

// In the order of the button row.
const PageEntry kPages[] = {
    {Page::Config, "btnT_Config", "btnT2_Config", "pnlConfig", "config"},
    {Page::Test, "btnT_Test", "btnT2_Test", "pnlTest", "test"},
    {Page::CommandTest, "btnT_CT", "btnT2_CT", "pnlCT", "command"},
    {Page::Firmware, "btnT_DFU", "btnT2_DFU", "pnlDFU", "firmware"},
    {Page::Fonts, "btnT_Fonts", "btnT2_Fonts", "FraDownFont", "fonts"},
    {Page::Files, "btnT_Files", "btnT2_Files", "FraFileManage", "files"},
};

// The configuration pages; only the first takes a language text, the others
// are named after the printer's command languages and ports.
const char *const kConfigTabs[][2] = {
    {"tabComSet", ""},      {"tabD", "DPL"},        {"E_Setting", "EPL"},   {"tabZ", "ZPL"},
    {"tabRS232", "RS-232"}, {"tabBT", "Bluetooth"}, {"tabNet", "Ethernet"}, {"tabWifi", "Wi-Fi"},
};

const char kNoHelpFile[] = "NoHelpFile";
const int kPrinterPanelWidth = 250;

template <typename Control> Control *named(Control *control, const char *name)
{
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

QPushButton *button(const char *name, QWidget *parent)
{
    return named(new QPushButton(parent), name);
}

} // namespace

TfrmSetTool::TfrmSetTool(const Parts &parts) : m_parts(parts)
{
    setObjectName(QStringLiteral("TfrmSetTool"));
    CreateControls();
    FormCreate();
}

TfrmSetTool::~TfrmSetTool()
{
    m_parts.shell.ShutDown();
}

void TfrmSetTool::CreateControls()
{
    CreateToolBar();
    auto *body = new QHBoxLayout;
    body->addWidget(CreatePrinterPanel());
    body->addWidget(CreateWorkArea(), 1);
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(CreatePageRow());
    layout->addLayout(body, 1);
    setCentralWidget(central);
    ConfigPagesBuilder::CreateReadingPanel(*this);
    m_configPages = new ConfigPageBinder(*this, m_parts.config, m_parts.configService);

    connect(&m_parts.shell, &SetToolShell::pageShown, this, &TfrmSetTool::ShowPage);
    connect(&m_parts.shell, &SetToolShell::modelApplied, this, &TfrmSetTool::ShowFilesButton);
}

void TfrmSetTool::CreateToolBar()
{
    auto *bar = named(new QToolBar(this), "tlbUtility");
    bar->setMovable(false);
    bar->toggleViewAction()->setVisible(false);
    auto *pressed = new QButtonGroup(bar);
    for (const PageEntry &entry : kPages) {
        auto *tool = named(new QToolButton(bar), entry.toolButton);
        tool->setCheckable(true);
        pressed->addButton(tool);
        bar->addWidget(tool);
        connect(tool, &QToolButton::clicked, this,
                [this, page = entry.page] { m_parts.shell.SwitchPage(page); });
        m_toolButtons.insert(entry.page, tool);
    }
    addToolBar(Qt::TopToolBarArea, bar);
}

QWidget *TfrmSetTool::CreatePageRow()
{
    auto *row = named(new QFrame(this), "pnlUtility");
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    for (const PageEntry &entry : kPages) {
        auto *twin = named(new QToolButton(row), entry.pageButton);
        twin->setCheckable(true);
        twin->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        twin->setIconSize(QSize(32, 32));
        twin->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        QToolButton *tool = m_toolButtons.value(entry.page);
        // The visible button only stands in for its tool button, which keeps
        // the pressed state; a click on it always shows its page.
        connect(twin, &QToolButton::clicked, tool, &QToolButton::click);
        layout->addWidget(twin);
        m_pageButtons.insert(entry.page, twin);
    }
    return row;
}

QWidget *TfrmSetTool::CreatePrinterPanel()
{
    auto *panel = named(new QFrame(this), "pnlPrinter");
    panel->setFixedWidth(kPrinterPanelWidth);
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(CreatePortGroup());
    layout->addWidget(CreateInfoGroup());
    layout->addWidget(CreateStateGroup(), 1);
    auto *entries = new QHBoxLayout;
    auto *help = button("btnHelp", panel);
    auto *about = button("btnAbout", panel);
    connect(help, &QPushButton::clicked, this, &TfrmSetTool::btnHelpClick);
    connect(about, &QPushButton::clicked, this, &TfrmSetTool::btnAboutClick);
    entries->addWidget(help);
    entries->addWidget(about);
    layout->addLayout(entries);
    return panel;
}

QGroupBox *TfrmSetTool::CreatePortGroup()
{
    auto *group = named(new QGroupBox(this), "grpPort");
    m_models = named(new QComboBox(group), "cmbPrts");
    m_portTypes = named(new QComboBox(group), "cbbPortType");
    m_portTypes->addItems(m_parts.ports.TypeNames());
    m_portSet = button("btnPortSet", group);
    connect(m_models, &QComboBox::activated, this, &TfrmSetTool::cmbPrtsChange);
    connect(m_portTypes, &QComboBox::activated, this, &TfrmSetTool::cbbPortTypeChange);
    connect(m_portSet, &QPushButton::clicked, this, &TfrmSetTool::btnPortSetClick);

    auto *layout = new QGridLayout(group);
    layout->addWidget(m_models, 0, 0, 1, 2);
    layout->addWidget(m_portTypes, 1, 0);
    layout->addWidget(m_portSet, 1, 1);
    layout->setColumnStretch(0, 1);
    return group;
}

QGroupBox *TfrmSetTool::CreateInfoGroup()
{
    auto *group = named(new QGroupBox(this), "grbPrinterInfo");
    auto *layout = new QGridLayout(group);
    const char *const rows[][2] = {
        {"lblVersion", "txtVersion"}, {"lblPrtL", "txtPrtL"}, {"Label3", "txtPrtL1"}};
    int row = 0;
    for (const auto &[label, field] : rows) {
        auto *value = named(new QLineEdit(group), field);
        ReadOnlyLook::Apply(*value);
        layout->addWidget(named(new QLabel(group), label), row, 0);
        layout->addWidget(value, row++, 1);
    }
    layout->setColumnStretch(1, 1);
    return group;
}

QGroupBox *TfrmSetTool::CreateStateGroup()
{
    auto *group = named(new QGroupBox(this), "grbPrinterState");
    auto *read = button("btnGetState", group);
    connect(read, &QPushButton::clicked, this, &TfrmSetTool::btnGetStateClick);
    m_state = named(new QPlainTextEdit(group), "txtPrinterState");
    m_state->setReadOnly(true);
    auto *layout = new QVBoxLayout(group);
    layout->addWidget(read);
    layout->addWidget(m_state, 1);
    return group;
}

QWidget *TfrmSetTool::CreateWorkArea()
{
    m_workArea = named(new QStackedWidget(this), "pnlWork");
    for (const PageEntry &entry : kPages) {
        QWidget *page = entry.page == Page::Config ? CreateConfigPage() : new QFrame(m_workArea);
        named(page, entry.panel);
        m_workArea->addWidget(page);
        m_pages.insert(entry.page, page);
    }
    return m_workArea;
}

QWidget *TfrmSetTool::CreateConfigPage()
{
    auto *page = new QFrame(m_workArea);
    auto *tabs = named(new QTabWidget(page), "stbSS");
    for (const auto &[name, caption] : kConfigTabs)
        tabs->addTab(named(new QWidget(tabs), name), QString::fromLatin1(caption));
    ConfigPagesBuilder::Fill(*tabs);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (const char *name : {"btnLoad", "btnSave", "btnGet", "btnSet"})
        buttons->addWidget(button(name, page));
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs, 1);
    layout->addLayout(buttons);
    return page;
}

void TfrmSetTool::FormCreate()
{
    m_parts.shell.SetReady();
    m_parts.shell.ApplyModelSelection(m_models->currentText());
    findChild<QToolBar *>(QStringLiteral("tlbUtility"))->hide();
    for (const PageEntry &entry : kPages)
        m_pageButtons.value(entry.page)
            ->setIcon(QIcon(QStringLiteral(":/pages/%1.png").arg(QLatin1String(entry.glyph))));
    m_pageButtons.value(Page::Files)->setMinimumWidth(FilesButtonWidth);
}

void TfrmSetTool::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    FormShow();
}

void TfrmSetTool::FormShow()
{
    resize(StartWidth, StartHeight);
    m_parts.core.Texts()->InitialiseMainWindowLanguage([this] { ApplyTexts(); });
    m_parts.shell.CreatePrinter();
    m_parts.ports.Start();
    m_portTypes->setCurrentIndex(m_parts.ports.StartIndex());
    m_portSet->setEnabled(m_parts.ports.SettingsOffered());
    setWindowIcon(ProgramIcon::Load(m_parts.programFolder));
    m_toolButtons.value(Page::Config)->click();
    m_parts.config.RememberButtonStates();
}

void TfrmSetTool::ApplyTexts()
{
    TextPlanApplier(*this).Apply(
        MainWindowTexts::Plan(*m_parts.core.Texts()),
        [this](const QString &name, const QString &text) { m_parts.shell.HoldText(name, text); });
    m_configPages->Refresh();
    m_models->setCurrentIndex(0);
    cmbPrtsChange();
}

void TfrmSetTool::ShowPage(Page page)
{
    m_workArea->setCurrentWidget(m_pages.value(page));
    m_toolButtons.value(page)->setChecked(true);
    for (auto button = m_pageButtons.begin(); button != m_pageButtons.end(); ++button)
        button.value()->setChecked(button.key() == page);
}

void TfrmSetTool::ShowFilesButton()
{
    const bool offered = m_parts.shell.FilesPageOffered();
    m_toolButtons.value(Page::Files)->setVisible(offered);
    m_pageButtons.value(Page::Files)->setVisible(offered);
}

void TfrmSetTool::cmbPrtsChange()
{
    m_parts.shell.ApplyModelSelection(m_models->currentText());
}

void TfrmSetTool::cbbPortTypeChange(int index)
{
    m_parts.ports.ChooseType(index);
    m_portSet->setEnabled(m_parts.ports.SettingsOffered());
}

void TfrmSetTool::SetPortDialogs(QDialog *lpt, QDialog *net, QDialog *rs232)
{
    m_portDialogs = {{PortSelection::Kind::Parallel, lpt},
                     {PortSelection::Kind::Network, net},
                     {PortSelection::Kind::Serial, rs232}};
}

void TfrmSetTool::btnPortSetClick()
{
    if (QDialog *dialog = m_portDialogs.value(m_parts.ports.CurrentKind()))
        dialog->exec();
}

void TfrmSetTool::btnGetStateClick()
{
    if (const std::optional<QString> state = m_parts.state.Read())
        m_state->setPlainText(
            QString(*state).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void TfrmSetTool::btnHelpClick()
{
    m_parts.help.Show(m_parts.shell.HeldText(QString::fromLatin1(kNoHelpFile)),
                      m_parts.core.Texts()->Messages().ErrorTitle);
}

void TfrmSetTool::btnAboutClick()
{
    TfrmAbout about(*m_parts.core.Texts(), m_parts.programFolder, m_parts.open, this);
    about.exec();
}
