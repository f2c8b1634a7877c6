#include "ProgramFixture.h"

#include "HelpFile.h"
#include "ProgramIcon.h"
#include "TfrmAbout.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace
{

const LanguageFolder::Entries kAboutTexts = {
    {"FormAbout_Caption", "About it"},
    {"FormAbout_lblVersion", "Version "},
    {"FormAbout_lblCR", "Rights"},
    {"FormAbout_lblWS", "Web:"},
    {"FormAbout_lblWS1", "https://printers.example"},
    {"FormAbout_lblE", "Mail:"},
    {"FormAbout_lblE1", "help@printers.example"},
    {"FormAbout_lblT", "Phone:"},
    {"FormAbout_lblT1", "555"},
    {"FormRTC_btnClose", "Close"},
};

class HelpAndAboutTest : public ProgramFixture
{
protected:
    std::unique_ptr<TfrmAbout> about()
    {
        auto window =
            std::make_unique<TfrmAbout>(*m_program->Core().Texts(), programFolder(),
                                        [this](const QString &target) { m_opened << target; });
        window->show();
        return window;
    }
    QString text(const QWidget &window, const char *label) const
    {
        return window.findChild<QLabel *>(QString::fromLatin1(label))->text();
    }
    void placeWindowIcon() const
    {
        QDir().mkpath(programFolder() + QStringLiteral("icon"));
        ASSERT_TRUE(
            QFile::copy(QStringLiteral(PRT_WINDOW_ICON), ProgramIcon::FilePath(programFolder())));
    }
};

TEST_F(HelpAndAboutTest, HelpWithoutItsFileSaysSoInAnErrorBox)
{
    SetTexts({{"NoHelpFile", "There is no help file"}});
    Start();
    click(QStringLiteral("btnHelp"));
    ASSERT_EQ(m_dialogs.boxes.size(), 1u);
    EXPECT_EQ(m_dialogs.boxes[0].text, QStringLiteral("There is no help file"));
    EXPECT_EQ(m_dialogs.boxes[0].caption, QStringLiteral("Fault"));
    EXPECT_EQ(m_dialogs.boxes[0].icon, Dialogs::Icon::Error);
    EXPECT_TRUE(m_opened.isEmpty());
}

TEST_F(HelpAndAboutTest, TheHelpFileOpensInItsViewer)
{
    QFile help(programFolder() + HelpFile::FileName());
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    help.close();
    Start();
    click(QStringLiteral("btnHelp"));
    EXPECT_EQ(m_opened, QStringList{help.fileName()});
    EXPECT_TRUE(m_dialogs.boxes.empty());
}

TEST_F(HelpAndAboutTest, TheAboutButtonShowsAnAboutWindowModally)
{
    Start();
    EXPECT_EQ(clickAndCloseModal(*control<QPushButton>("btnAbout")), QStringLiteral("TfrmAbout"));
}

TEST_F(HelpAndAboutTest, AboutShowsTheWindowLanguageTextsAndTheVersion)
{
    SetTexts(kAboutTexts);
    Start();
    const auto window = about();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("About it"));
    EXPECT_EQ(text(*window, "lblVersion"), QStringLiteral("Version V9.9"));
    EXPECT_EQ(text(*window, "lblCR"), QStringLiteral("Rights"));
    EXPECT_EQ(text(*window, "lblE1"), QStringLiteral("help@printers.example"));
    EXPECT_EQ(text(*window, "lblT1"), QStringLiteral("555"));
    EXPECT_EQ(text(*window, "lblUnit"), QStringLiteral("Vasko Utility For Label"));
    EXPECT_EQ(window->findChild<QPushButton *>(QStringLiteral("btnClose"))->text(),
              QStringLiteral("Close"));
    EXPECT_EQ(window->size(), QSize(TfrmAbout::ClientWidth, TfrmAbout::ClientHeight));
}

TEST_F(HelpAndAboutTest, AboutWithoutItsTextsShowsOnlyTheVersion)
{
    Start();
    const auto window = about();
    EXPECT_EQ(text(*window, "lblVersion"), QStringLiteral("V9.9"));
    EXPECT_TRUE(text(*window, "lblCR").isEmpty());
    EXPECT_TRUE(text(*window, "lblWS1").isEmpty());
}

TEST_F(HelpAndAboutTest, TheHomePageOpensAndCloseClosesTheWindow)
{
    SetTexts(kAboutTexts);
    Start();
    const auto window = about();
    QTest::mouseClick(window->findChild<QLabel *>(QStringLiteral("lblWS1")), Qt::LeftButton);
    EXPECT_EQ(m_opened, QStringList{QStringLiteral("https://printers.example")});
    window->findChild<QPushButton *>(QStringLiteral("btnClose"))->click();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(HelpAndAboutTest, TheWindowsTakeTheIconBesideTheProgram)
{
    placeWindowIcon();
    Start();
    EXPECT_FALSE(window().windowIcon().isNull());
    EXPECT_FALSE(about()->windowIcon().isNull());
}

} // namespace
