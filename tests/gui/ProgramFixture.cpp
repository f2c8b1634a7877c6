#include "ProgramFixture.h"

#include "IniFile.h"
#include "TfrmSetTool.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

void ProgramFixture::SetUp()
{
    IniFile option(programFolder() + QStringLiteral("Option.ini"));
    option.writeString(QStringLiteral("Option"), QStringLiteral("ToolType"),
                       QStringLiteral("PelkoPpl"));
    option.writeString(QStringLiteral("Option"), QStringLiteral("OemCo"),
                       QStringLiteral("PelkoPpl_Vasko_PM44ProFull"));
    m_language.setOffered(QStringLiteral("1033"), QStringLiteral("1033"));
    m_language.setMainSection(QStringLiteral("Global"), {{"_Version", "V9.9"}});
    SetTexts({{"_MSG_Title_Error", "Fault"},
              {"_MSG_Title_Message", "Note"},
              {"_Err_OpenPort", "Port closed"}});
}

void ProgramFixture::SetTexts(const LanguageFolder::Entries &texts)
{
    m_language.setMainSection(QStringLiteral("1033"), texts);
}

void ProgramFixture::SetTableTexts(const LanguageFolder::Entries &texts)
{
    m_language.setLanguageFile(QStringLiteral("1033"), texts);
}

void ProgramFixture::StartUp(const QStringList &arguments)
{
    const ApplicationCore::Environment environment{
        QStringList{QStringLiteral("printer-utility")} + arguments, programFolder(),
        m_root.filePath(QStringLiteral("local/")), debugDrive(),
        m_root.filePath(QStringLiteral("run"))};
    m_program = std::make_unique<UtilityProgram>(
        environment,
        UtilityProgram::Services{m_dialogs, m_clock, m_system, *m_printerApi, m_sleeper,
                                 m_identityDialog, [this](const QString &target) {
                                     m_opened << target;
                                 }});
    m_program->StartUp();
}

void ProgramFixture::Start(const QStringList &arguments)
{
    StartUp(arguments);
    window().show();
}

TfrmSetTool &ProgramFixture::window() const
{
    return *m_program->MainWindow();
}

void ProgramFixture::click(const QString &name) const
{
    if (auto *button = control<QAbstractButton>(name))
        button->click();
}

void ProgramFixture::choose(QComboBox &list, int index)
{
    list.setCurrentIndex(index);
    emit list.activated(index);
}

QString ProgramFixture::clickAndCloseModal(QAbstractButton &button)
{
    QString opened;
    QTimer::singleShot(0, [&opened] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            opened = modal->objectName();
            modal->close();
        }
    });
    button.click();
    return opened;
}
