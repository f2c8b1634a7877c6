#include "ProgramFixture.h"

#include "PrinterLink.h"
#include "SetToolShell.h"

#include <QStackedWidget>
#include <QToolButton>

namespace
{

class PageSwitchingTest : public ProgramFixture
{
protected:
    QWidget *currentPage() const { return control<QStackedWidget>("pnlWork")->currentWidget(); }
    qsizetype opens() const { return m_printer.functions().count(QStringLiteral("PortOpen")); }
};

struct PageRow {
    const char *pageButton;
    const char *toolButton;
    const char *page;
};

const PageRow kPageRows[] = {
    {"btnT2_Config", "btnT_Config", "pnlConfig"},
    {"btnT2_Test", "btnT_Test", "pnlTest"},
    {"btnT2_CT", "btnT_CT", "pnlCT"},
    {"btnT2_DFU", "btnT_DFU", "pnlDFU"},
    {"btnT2_Fonts", "btnT_Fonts", "FraDownFont"},
    {"btnT2_Files", "btnT_Files", "FraFileManage"},
};

TEST_F(PageSwitchingTest, TheFirstShowOpensTheConfigurationPageOnAHeldPort)
{
    Start();
    EXPECT_EQ(currentPage()->objectName(), QStringLiteral("pnlConfig"));
    EXPECT_TRUE(control<QToolButton>("btnT_Config")->isChecked());
    EXPECT_TRUE(m_program->Link().PortHeld());
    ASSERT_EQ(opens(), 1);
    EXPECT_EQ(m_printer.calls.back().descriptor, QStringLiteral("USB"));
}

TEST_F(PageSwitchingTest, EachPageButtonShowsItsPageAndIsTheOnlyOnePressed)
{
    Start();
    for (const PageRow &row : kPageRows) {
        click(QString::fromLatin1(row.pageButton));
        EXPECT_EQ(currentPage()->objectName(), QString::fromLatin1(row.page));
        for (const PageRow &other : kPageRows) {
            const bool pressed = &other == &row;
            EXPECT_EQ(control<QToolButton>(other.toolButton)->isChecked(), pressed)
                << row.pageButton << " " << other.toolButton;
            EXPECT_EQ(control<QToolButton>(other.pageButton)->isChecked(), pressed)
                << row.pageButton << " " << other.pageButton;
        }
    }
}

TEST_F(PageSwitchingTest, AHeldPortIsNotOpenedAgain)
{
    Start();
    for (const char *button : {"btnT2_Test", "btnT2_CT", "btnT2_DFU", "btnT2_Config"})
        click(QString::fromLatin1(button));
    EXPECT_EQ(opens(), 1);
    EXPECT_TRUE(m_program->Link().PortHeld());
}

TEST_F(PageSwitchingTest, WithoutAPrinterPagesSwitchSilentlyAndTryAgainEachTime)
{
    m_printer.openStatuses = {-331, -331, 0};
    Start();
    click(QStringLiteral("btnT2_Test"));
    EXPECT_FALSE(m_program->Link().PortHeld());
    EXPECT_EQ(currentPage()->objectName(), QStringLiteral("pnlTest"));
    click(QStringLiteral("btnT2_CT"));
    EXPECT_TRUE(m_program->Link().PortHeld());
    EXPECT_EQ(opens(), 3);
    EXPECT_TRUE(m_dialogs.boxes.empty());
}

TEST_F(PageSwitchingTest, TheFontsPageListsWhileThePortIsHeldAndThenLetsItGo)
{
    Start();
    bool heldWhileListing = false;
    QObject::connect(&m_program->Shell(), &SetToolShell::fontsPageOpened,
                     [&] { heldWhileListing = m_program->Link().PortHeld(); });
    click(QStringLiteral("btnT2_Fonts"));
    EXPECT_TRUE(heldWhileListing);
    EXPECT_FALSE(m_program->Link().PortHeld());
    EXPECT_EQ(m_printer.functions().back(), QStringLiteral("PortClose"));
}

TEST_F(PageSwitchingTest, TheFontsPageAsksThePrinterAndSaysWhenItIsNotThere)
{
    m_printer.openStatuses = {0, -331, -331};
    Start();
    m_program->Link().ReleasePort();
    bool listed = false;
    QObject::connect(&m_program->Shell(), &SetToolShell::fontsPageOpened, [&] { listed = true; });
    click(QStringLiteral("btnT2_Fonts"));
    EXPECT_FALSE(listed);
    ASSERT_EQ(m_dialogs.boxes.size(), 1u);
    EXPECT_EQ(m_dialogs.boxes[0].text, QStringLiteral("Port closed:-331"));
}

TEST_F(PageSwitchingTest, FileManagementOfAModelWithoutItShowsANotice)
{
    SetTableTexts({{"Lang_All_00010023_11", "No files for this model"}});
    Start();
    click(QStringLiteral("btnT_Files"));
    EXPECT_TRUE(m_dialogs.boxes.empty());

    choose(*control<QComboBox>("cmbPrts"), 1);
    click(QStringLiteral("btnT_Files"));
    ASSERT_EQ(m_dialogs.boxes.size(), 1u);
    EXPECT_EQ(m_dialogs.boxes[0].text, QStringLiteral("No files for this model"));
    EXPECT_EQ(m_dialogs.boxes[0].caption, QStringLiteral("Note"));
    EXPECT_EQ(m_dialogs.boxes[0].icon, Dialogs::Icon::Information);
}

} // namespace
