#include "ProgramFixture.h"

#include "TfrmNetSet.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>

namespace
{

class WindowCaptionsTest : public ProgramFixture
{
protected:
    // A control that a later page will carry, placed on the configuration
    // page before the window applies its texts.
    template <typename Control> Control *place(const char *name)
    {
        auto *placed = new Control(control(QStringLiteral("tabComSet")));
        placed->setObjectName(QString::fromLatin1(name));
        return placed;
    }
};

TEST_F(WindowCaptionsTest, TitleIsTheCaptionTwoBlanksAndTheVersion)
{
    SetTexts({{"Caption", "Fixture Utility"}});
    Start();
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Fixture Utility  V9.9"));
}

TEST_F(WindowCaptionsTest, PageButtonsLoseTheirFirstAndLastCharacterAndTwinsFollow)
{
    SetTexts({{"btnT_Config", "[Settings]"},
              {"btnT_Test", "x"},
              {"btnT_DFU", " Firmware Upgrade "},
              {"btnT_Fonts", "(Fonts)"}});
    SetTableTexts({{"Lang_All_00210276_11", "[Files]"}});
    Start();
    const struct {
        const char *button;
        const char *caption;
    } expected[] = {
        {"btnT_Config", "Settings"},      {"btnT_Test", ""},       {"btnT_CT", ""},
        {"btnT_DFU", "Firmware Upgrade"}, {"btnT_Fonts", "Fonts"}, {"btnT_Files", "[Files]"},
    };
    for (const auto &row : expected) {
        const QString tool = QString::fromLatin1(row.button);
        QString twin = tool;
        twin.replace(QStringLiteral("btnT_"), QStringLiteral("btnT2_"));
        EXPECT_EQ(control<QToolButton>(tool)->text(), QString::fromUtf8(row.caption)) << row.button;
        EXPECT_EQ(control<QToolButton>(twin)->text(), QString::fromUtf8(row.caption)) << row.button;
    }
}

TEST_F(WindowCaptionsTest, ControlsTakeTheTextOfTheirDesignName)
{
    SetTexts({{"grpPort", "Port"},
              {"btnGetState", "Read state"},
              {"grbPrinterInfo", "Info"},
              {"lblPrtL1", "Total:"},
              {"stbSS_tabComSet", "Common"}});
    Start();
    EXPECT_EQ(control<QGroupBox>("grpPort")->title(), QStringLiteral("Port"));
    EXPECT_EQ(control<QPushButton>("btnGetState")->text(), QStringLiteral("Read state"));
    EXPECT_EQ(control<QGroupBox>("grbPrinterInfo")->title(), QStringLiteral("Info"));
    EXPECT_EQ(control<QLabel>("Label3")->text(), QStringLiteral("Total:"));
    auto *pages = control<QTabWidget>("stbSS");
    EXPECT_EQ(pages->tabText(pages->indexOf(control("tabComSet"))), QStringLiteral("Common"));
}

TEST_F(WindowCaptionsTest, ListsAreRefilledInKeyOrderWithoutChangeEvents)
{
    SetTexts({{"cmbAction2", "Tear"},
              {"cmbAction4", "Peel"},
              {"tabZ_cbxAlignCenter_Item0", "Off"},
              {"tabZ_cbxAlignCenter_Item1", "On"}});
    StartUp();
    auto *printMode = place<QComboBox>("cmbZPrintMode");
    printMode->addItem(QStringLiteral("designed"));
    auto *align = place<QComboBox>("cbxAlignCenter");
    align->addItem(QStringLiteral("designed"));
    int changes = 0;
    QObject::connect(printMode, &QComboBox::currentIndexChanged, [&changes] { ++changes; });
    window().show();

    const auto entries = [](const QComboBox *list) {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->itemText(i);
        return texts;
    };
    // A missing text still takes its place, so entry indexes keep meaning
    // the printer's words.
    EXPECT_EQ(entries(printMode), QStringList({"Tear", "", "Peel"}));
    EXPECT_EQ(entries(align), QStringList({"designed", "Off", "On"}));
    EXPECT_EQ(entries(control<QComboBox>("cmbPrts")), QStringList({"PM44PRO FULL", "PM44PRO"}));
    EXPECT_EQ(control<QComboBox>("cmbPrts")->currentIndex(), 0);
    EXPECT_EQ(changes, 0);
}

TEST_F(WindowCaptionsTest, HintsColumnsAndLaterRowsReplacingEarlierOnes)
{
    SetTexts({{"MsgBoxLabelTypeLock", "Keeps the media type"},
              {"lblLabelTypeLock", "Lock:"},
              {"lblDLabelWidth", "Label width"},
              {"lblE_PrintSpeed", "Print speed"},
              {"lblDPresentSensor", "Present sensor"},
              {"lblE_PrintOrientation", "Direction"},
              {"lvFontsItem1", "Memory"}});
    StartUp();
    auto *lockLabel = place<QLabel>("lblLabelTypeLock");
    auto *lockList = place<QComboBox>("cbxLabelTypeLock");
    auto *width = place<QLabel>("lblDLabelWidth");
    auto *sensor = place<QLabel>("lblDPresentSensor");
    auto *fonts = place<QTreeWidget>("lvFonts");
    fonts->setColumnCount(2);
    window().show();

    EXPECT_EQ(lockLabel->text(), QStringLiteral("Lock:"));
    EXPECT_EQ(lockLabel->toolTip(), QStringLiteral("Keeps the media type"));
    EXPECT_EQ(lockList->toolTip(), QStringLiteral("Keeps the media type"));
    EXPECT_EQ(width->text(), QStringLiteral("Print speed"));
    EXPECT_EQ(sensor->text(), QStringLiteral("Direction"));
    EXPECT_EQ(fonts->headerItem()->text(1), QStringLiteral("Memory"));
}

TEST_F(WindowCaptionsTest, TheDialogsTheWindowOwnsKeepTheirOwnTexts)
{
    SetTexts({{"lblIP", "Address:"}});
    Start();
    auto *network = window().findChild<TfrmNetSet *>();
    ASSERT_NE(network, nullptr);
    EXPECT_TRUE(network->findChild<QLabel *>(QStringLiteral("lblIP"))->text().isEmpty());
}

} // namespace
