#include "ProgramFixture.h"

#include "CommandProtocol.h"
#include "ConfigFields.h"
#include "ConfigModel.h"
#include "ConfigService.h"
#include "ParameterFile.h"
#include "PrinterLink.h"
#include "PrinterName.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

namespace
{

class ConfigPagesTest : public ProgramFixture
{
protected:
    void StartOnVirtualPrinter()
    {
        m_printerApi = &m_library;
        Start({UtilityProgram::SimulatorSwitch});
        // The virtual printer lives as long as the process, so an earlier
        // test's writes would still be in it.
        CommandProtocol(m_program->Link()).DoCmd(QString::fromLatin1(PrinterName::factory_default));
    }

    // What a control shows: a field's text or a list's chosen entry.
    QString shown(const QString &name) const
    {
        QWidget *shownControl = control(name);
        if (auto *edit = qobject_cast<QLineEdit *>(shownControl))
            return edit->text();
        if (auto *list = qobject_cast<QComboBox *>(shownControl))
            return QString::number(list->currentIndex()) + u' ' + list->currentText();
        if (auto *label = qobject_cast<QLabel *>(shownControl))
            return label->text();
        return QString();
    }

    // Every saved control's value, by name.
    QMap<QString, QString> savedValues() const
    {
        QMap<QString, QString> values;
        for (const ConfigField &field : ConfigFields::all()) {
            if (!field.fileKey.isEmpty())
                values.insert(field.key, shown(field.key));
        }
        return values;
    }

    bool enabled(const QString &name) const { return control(name)->isEnabled(); }

    void showPage(const QString &page) const
    {
        auto *pages = control<QTabWidget>("stbSS");
        pages->setCurrentWidget(pages->findChild<QWidget *>(page));
    }

    void readAll()
    {
        QSignalSpy finished(&m_program->ConfigPages(), &ConfigService::readFinished);
        click(QStringLiteral("btnGet"));
        ASSERT_TRUE(finished.wait(10000));
    }

    QString parameterFile() const { return m_root.filePath(QStringLiteral("settings.prt")); }
};

TEST_F(ConfigPagesTest, EveryFieldHasItsControlOnItsPage)
{
    Start();
    for (const ConfigField &field : ConfigFields::all()) {
        QWidget *shownControl = control(field.key);
        ASSERT_NE(shownControl, nullptr) << field.key.toStdString();
        if (field.kind == ConfigField::Kind::List)
            EXPECT_NE(qobject_cast<QComboBox *>(shownControl), nullptr) << field.key.toStdString();
        else
            EXPECT_TRUE(qobject_cast<QLineEdit *>(shownControl) ||
                        qobject_cast<QLabel *>(shownControl))
                << field.key.toStdString();
        if (field.page.startsWith(u't') || field.page == QLatin1String("E_Setting")) {
            QWidget *page = control(field.page);
            EXPECT_TRUE(page->isAncestorOf(shownControl)) << field.key.toStdString();
        }
    }
}

TEST_F(ConfigPagesTest, TheLengthHintsAreLabelsWithTheirTexts)
{
    SetTexts({{"lblBTNameLen", "(16)"}, {"lblBTPWDLen", "(4)"}, {"lblWPWDLen", "(8-63)"}});
    Start();
    const std::pair<const char *, const char *> hints[] = {{"lblBTNameLen", "(16)"},
                                                           {"lblBTPWDLen", "(4)"},
                                                           {"lblWNameLen", "(16)"},
                                                           {"lblWPWDLen", "(8-63)"}};
    for (const auto &[name, text] : hints) {
        auto *hint = control<QLabel>(QString::fromLatin1(name));
        ASSERT_NE(hint, nullptr) << name;
        EXPECT_EQ(hint->text(), QString::fromLatin1(text)) << name;
    }
}

TEST_F(ConfigPagesTest, ListsOfFixedEntriesStartWithoutAChoiceAsTheModelDoes)
{
    Start();
    for (const char *list : {"ComboBox2", "cmbBaudRate", "ComboBox4", "cbxSpeedZ"})
        EXPECT_EQ(control<QComboBox>(list)->currentIndex(), -1) << list;
}

TEST_F(ConfigPagesTest, TheZPageSetButtonWaitsForTheZPageRead)
{
    StartOnVirtualPrinter();
    showPage(QStringLiteral("tabZ"));
    EXPECT_TRUE(enabled(QStringLiteral("btnGet_tabZ")));
    EXPECT_FALSE(enabled(QStringLiteral("btnSet_tabZ")));

    click(QStringLiteral("btnGet_tabZ"));
    EXPECT_TRUE(enabled(QStringLiteral("btnSet_tabZ")));
    EXPECT_EQ(shown(QStringLiteral("txtLabelWidth")), QStringLiteral("104"));
    EXPECT_EQ(shown(QStringLiteral("lblLabelWidthRange")), QStringLiteral("(1~104mm)"));
    EXPECT_EQ(shown(QStringLiteral("cbxDensityZ")), QStringLiteral("15 15"));
    EXPECT_TRUE(m_dialogs.boxes.empty());
}

TEST_F(ConfigPagesTest, TheZPageSetButtonComesOnEvenWhenThePrinterIsSilent)
{
    m_printer.openStatuses = {0, -331};
    Start();
    m_program->Link().ReleasePort();
    click(QStringLiteral("btnGet_tabZ"));
    EXPECT_TRUE(enabled(QStringLiteral("btnSet_tabZ")));
}

TEST_F(ConfigPagesTest, TheReadingPanelShowsWhileReadingWithTheButtonsOff)
{
    StartOnVirtualPrinter();
    QSignalSpy finished(&m_program->ConfigPages(), &ConfigService::readFinished);
    click(QStringLiteral("btnGet"));
    EXPECT_TRUE(control(QStringLiteral("pnlReading"))->isVisible());
    EXPECT_EQ(control<QProgressBar>("pgbReading")->maximum(), 48);
    EXPECT_FALSE(enabled(QStringLiteral("btnGet")));
    EXPECT_FALSE(enabled(QStringLiteral("btnSet")));

    ASSERT_TRUE(finished.wait(10000));
    EXPECT_FALSE(control(QStringLiteral("pnlReading"))->isVisible());
    EXPECT_TRUE(enabled(QStringLiteral("btnGet")));
    EXPECT_TRUE(enabled(QStringLiteral("btnSet")));
    EXPECT_TRUE(m_dialogs.boxes.empty()) << m_dialogs.texts().join('|').toStdString();
}

TEST_F(ConfigPagesTest, AnUnansweredReadSaysSoAndGivesTheButtonsBack)
{
    SetTexts({{"_Err_ReadData", "No answer"}, {"_MSG_Title_Error", "Fault"}});
    Start();
    readAll();
    EXPECT_FALSE(control(QStringLiteral("pnlReading"))->isVisible());
    EXPECT_TRUE(enabled(QStringLiteral("btnGet")));
    EXPECT_TRUE(enabled(QStringLiteral("btnSet")));
    ASSERT_EQ(m_dialogs.boxes.size(), 1u);
    EXPECT_EQ(m_dialogs.boxes[0].text, QStringLiteral("No answer"));
    EXPECT_EQ(m_dialogs.boxes[0].caption, QStringLiteral("Fault"));
}

struct ShownValue {
    const char *control;
    const char *value;
};

const ShownValue kVirtualPrinterValues[] = {
    {"txtMaxiMumLen", "250"},    {"cmbBaudRate", "2 9600"},  {"ComboBox4", "15 15"},
    {"txtBTName", "PRINTER-BT"}, {"txtBTMAC6", "03"},        {"txtIP1", "10"},
    {"txtIP4", "222"},           {"txtWName", "PRINTER-AP"}, {"cmbPresentSensor", "0 ZT"},
};

TEST_F(ConfigPagesTest, AReadFromTheVirtualPrinterFillsTheControls)
{
    StartOnVirtualPrinter();
    readAll();
    for (const ShownValue &row : kVirtualPrinterValues)
        EXPECT_EQ(shown(QString::fromLatin1(row.control)), QString::fromLatin1(row.value))
            << row.control;
    EXPECT_FALSE(shown(QStringLiteral("txtVersion")).isEmpty());
}

TEST_F(ConfigPagesTest, ALoadedFileShowsWhatTheReadShowed)
{
    StartOnVirtualPrinter();
    readAll();
    click(QStringLiteral("btnGet_tabZ"));
    const QMap<QString, QString> read = savedValues();
    m_dialogs.saveName = parameterFile();
    click(QStringLiteral("btnSave"));

    ConfigModel &model = m_program->Config();
    for (const ConfigField &field : ConfigFields::all()) {
        model.setText(field.key, QString());
        model.setIndex(field.key, -1);
    }
    ASSERT_NE(savedValues(), read);

    m_dialogs.openName = parameterFile();
    click(QStringLiteral("btnLoad"));
    EXPECT_EQ(savedValues(), read);
    EXPECT_EQ(m_dialogs.filters, QStringList({ParameterFile::Filter, ParameterFile::Filter}));
    EXPECT_TRUE(m_dialogs.boxes.empty()) << m_dialogs.texts().join('|').toStdString();
}

TEST_F(ConfigPagesTest, TheSetButtonWritesWhatTheUserTypedAndRestartsThePrinter)
{
    SetTexts({{"msgSRP", "Settings sent"}, {"msgSRP1", "The printer restarts"}});
    StartOnVirtualPrinter();
    readAll();
    auto *name = control<QLineEdit>("txtBTName");
    name->clear();
    QTest::keyClicks(name, QStringLiteral("Hall 3"));
    click(QStringLiteral("btnSet"));
    ASSERT_FALSE(m_dialogs.boxes.empty());
    EXPECT_EQ(m_dialogs.boxes.back().text, QStringLiteral("Settings sent\r\nThe printer restarts"));

    m_program->Config().setText(QStringLiteral("txtBTName"), QString());
    readAll();
    EXPECT_EQ(shown(QStringLiteral("txtBTName")), QStringLiteral("Hall 3"));
}

TEST_F(ConfigPagesTest, TheZPageSetButtonWritesThePageChoices)
{
    StartOnVirtualPrinter();
    click(QStringLiteral("btnGet_tabZ"));
    choose(*control<QComboBox>("cbxDensityZ"), 20);
    click(QStringLiteral("btnSet_tabZ"));
    choose(*control<QComboBox>("cbxDensityZ"), 0);
    click(QStringLiteral("btnGet_tabZ"));
    EXPECT_EQ(shown(QStringLiteral("cbxDensityZ")), QStringLiteral("20 20"));
}

TEST_F(ConfigPagesTest, ACancelledLoadLeavesTheSetButtonsOff)
{
    Start();
    click(QStringLiteral("btnLoad"));
    EXPECT_FALSE(enabled(QStringLiteral("btnSet")));
    EXPECT_FALSE(enabled(QStringLiteral("btnSet_tabZ")));
}

struct ButtonStates {
    const char *name;
    bool load; // a file is loaded first, which turns the set button on
    bool get;
    bool set;
};

class PageSwitchButtonsTest : public ConfigPagesTest,
                              public ::testing::WithParamInterface<ButtonStates>
{
};

TEST_P(PageSwitchButtonsTest, TheZPageTurnsReadAndSetOffAndLeavingItRestoresThem)
{
    StartOnVirtualPrinter();
    if (GetParam().load) {
        m_dialogs.saveName = parameterFile();
        click(QStringLiteral("btnSave"));
        m_dialogs.openName = parameterFile();
        click(QStringLiteral("btnLoad"));
    }
    showPage(QStringLiteral("tabZ"));
    EXPECT_FALSE(enabled(QStringLiteral("btnGet")));
    EXPECT_FALSE(enabled(QStringLiteral("btnSet")));
    EXPECT_TRUE(enabled(QStringLiteral("btnGet_tabZ")));

    showPage(QStringLiteral("tabNet"));
    EXPECT_EQ(enabled(QStringLiteral("btnGet")), GetParam().get);
    EXPECT_EQ(enabled(QStringLiteral("btnSet")), GetParam().set);
}

INSTANTIATE_TEST_SUITE_P(States, PageSwitchButtonsTest,
                         ::testing::Values(ButtonStates{"AtStart", false, true, false},
                                           ButtonStates{"AfterALoad", true, true, true}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ConfigPagesTest, AReadThenThePageSwitchRestoresTheSetButton)
{
    StartOnVirtualPrinter();
    readAll();
    showPage(QStringLiteral("tabZ"));
    showPage(QStringLiteral("tabComSet"));
    EXPECT_TRUE(enabled(QStringLiteral("btnGet")));
    EXPECT_TRUE(enabled(QStringLiteral("btnSet")));
}

struct Typing {
    const char *field;
    const char *typed;
    const char *left; // the field's text once the user has left it
};

class FieldInputTest : public ConfigPagesTest, public ::testing::WithParamInterface<Typing>
{
};

TEST_P(FieldInputTest, KeysAreFilteredAndTheValueCheckedOnLeaving)
{
    Start();
    QApplication::setActiveWindow(&window());
    const QString name = QString::fromLatin1(GetParam().field);
    showPage(ConfigFields::find(name)->page);
    auto *edit = control<QLineEdit>(name);
    edit->setFocus();
    QTest::keyClicks(edit, QString::fromLatin1(GetParam().typed));
    control(QStringLiteral("stbSS"))->setFocus();
    EXPECT_EQ(edit->text(), QString::fromLatin1(GetParam().left));
    EXPECT_EQ(m_program->Config().text(name), QString::fromLatin1(GetParam().left));
}

INSTANTIATE_TEST_SUITE_P(
    Fields, FieldInputTest,
    ::testing::Values(Typing{"txtZTearOff", "150", "120"}, Typing{"txtDRowOffset", "-95", "-90"},
                      Typing{"txtDColumnOffse", "x", "0"}, Typing{"txtZTearOff", "", "0"},
                      Typing{"Edit4", "1a9-2", "192"}, Typing{"txtMaxiMumLen", "-12", "12"},
                      Typing{"txtBTPWD", "123456", "1234"},
                      Typing{"txtBTName", "Printer in hall 12", "Printer in hall "},
                      Typing{"txtWPWD", "Key-With-No-Limit", "Key-With-No-Limit"}),
    [](const auto &info) { return std::string(info.param.field) + std::to_string(info.index); });

TEST_F(ConfigPagesTest, LeavingALoneMinusSignSaysItIsNoNumberOnce)
{
    Start();
    QApplication::setActiveWindow(&window());
    auto *tearOff = control<QLineEdit>("txtZTearOff");
    tearOff->setFocus();
    QTest::keyClicks(tearOff, QStringLiteral("-"));
    control(QStringLiteral("stbSS"))->setFocus();
    ASSERT_EQ(m_dialogs.boxes.size(), 1u);
    EXPECT_EQ(m_dialogs.boxes[0].icon, Dialogs::Icon::Error);
    EXPECT_EQ(tearOff->text(), QStringLiteral("-"));
}

struct Enabling {
    const char *list;
    int index;
    const char *field;
    bool enabled;
};

class NetworkEnablingTest : public ConfigPagesTest, public ::testing::WithParamInterface<Enabling>
{
};

TEST_P(NetworkEnablingTest, TheAddressFieldsFollowTheirList)
{
    Start();
    // From the other entry, so the change is the user's and not the start's.
    auto *list = control<QComboBox>(GetParam().list);
    choose(*list, 1 - GetParam().index);
    choose(*list, GetParam().index);
    EXPECT_EQ(enabled(QString::fromLatin1(GetParam().field)), GetParam().enabled);
}

INSTANTIATE_TEST_SUITE_P(Lists, NetworkEnablingTest,
                         ::testing::Values(Enabling{"cmbDHCP", 0, "txtIP1", false},
                                           Enabling{"cmbDHCP", 1, "txtGate4", true},
                                           Enabling{"ComboBox9", 0, "cmbWDHCP", false},
                                           Enabling{"ComboBox9", 1, "cmbWDHCP", true},
                                           Enabling{"ComboBox9", 1, "txtWSN3", true},
                                           Enabling{"ComboBox9", 0, "txtWGate1", false}),
                         [](const auto &info) {
                             return std::string(info.param.list) + "To" +
                                    std::to_string(info.param.index) + info.param.field;
                         });

} // namespace
