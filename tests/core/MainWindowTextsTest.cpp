#include "MainWindowTexts.h"
#include "FakeSystemLanguage.h"
#include "FixedClock.h"
#include "LanguageFolder.h"
#include "RecordingDialogs.h"
#include "TConstLangV.h"
#include "TGlobalFunc.h"

#include <QHash>

#include <gtest/gtest.h>

#include <memory>

namespace
{

using Assignment = MainWindowTexts::Assignment;
using Target = MainWindowTexts::Target;

class MainWindowTextsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_folder.setOffered(QStringLiteral("1033"), QStringLiteral("1033"));
        m_folder.setMainSection("Global", {{"_Version", "V1.0"}});
    }

    QList<Assignment> plan(const LanguageFolder::Entries &window,
                           const LanguageFolder::Entries &table = {})
    {
        m_folder.setMainSection("1033", window);
        m_folder.setLanguageFile("1033", table);
        TConstLangV::Setup setup;
        setup.configFolder = m_folder.path();
        setup.firstArgument = QStringLiteral("-EN");
        m_texts = std::make_unique<TConstLangV>(setup, m_func, m_system);
        m_texts->ChooseWindowLanguage();
        return MainWindowTexts::Plan(*m_texts);
    }

    // The captions as the window ends up showing them.
    static QHash<QString, QString> captions(const QList<Assignment> &assignments)
    {
        QHash<QString, QString> result;
        for (const Assignment &a : assignments) {
            if (a.target == Target::Caption || a.target == Target::WindowCaption)
                result.insert(a.control, a.text);
        }
        return result;
    }

    static QHash<QString, QStringList> lists(const QList<Assignment> &assignments)
    {
        QHash<QString, QStringList> result;
        for (const Assignment &a : assignments) {
            if (a.target == Target::ClearList)
                result[a.control].clear();
            if (a.target == Target::ListEntry)
                result[a.control] << a.text;
        }
        return result;
    }

    static QHash<QString, QString> held(const QList<Assignment> &assignments)
    {
        QHash<QString, QString> result;
        for (const Assignment &a : assignments) {
            if (a.target == Target::Held)
                result.insert(a.control, a.text);
        }
        return result;
    }

    LanguageFolder m_folder;
    FakeSystemLanguage m_system;
    RecordingDialogs m_dialogs;
    FixedClock m_clock;
    TGlobalFunc m_func{m_dialogs, m_clock};
    std::unique_ptr<TConstLangV> m_texts;
};

TEST_F(MainWindowTextsTest, TheWindowCaptionCarriesTheVersion)
{
    EXPECT_EQ(captions(plan({{"Caption", "Printer Utility"}})).value("TfrmSetTool"),
              QStringLiteral("Printer Utility  V1.0"));
}

struct PageButtonCase {
    const char *name;
    const char *stored; // nullptr: key missing
    const char *shown;
};

class PageButtonTest : public MainWindowTextsTest,
                       public ::testing::WithParamInterface<PageButtonCase>
{
};

TEST_P(PageButtonTest, ShowsTheTextWithoutItsFirstAndLastCharacter)
{
    LanguageFolder::Entries window;
    if (GetParam().stored)
        window.insert("btnT_Config", QString::fromUtf8(GetParam().stored));
    const auto shown = captions(plan(window));
    EXPECT_EQ(shown.value("btnT_Config"), QString::fromUtf8(GetParam().shown));
    EXPECT_EQ(shown.value("btnT2_Config"), QString::fromUtf8(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(Rows, PageButtonTest,
                         ::testing::Values(PageButtonCase{"Framed", "[Settings]", "Settings"},
                                           PageButtonCase{"Chinese", " 参数设置 ", "参数设置"},
                                           PageButtonCase{"OneCharacter", "X", ""},
                                           PageButtonCase{"Missing", nullptr, ""}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(MainWindowTextsTest, TheFilesButtonsTakeTheTableEntryUnchanged)
{
    const auto shown = captions(plan({}, {{"Lang_All_00210276_11", "Files"}}));
    EXPECT_EQ(shown.value("btnT_Files"), QStringLiteral("Files"));
    EXPECT_EQ(shown.value("btnT2_Files"), QStringLiteral("Files"));
}

TEST_F(MainWindowTextsTest, TheModelListOffersTheTwoModelsOfThisBuild)
{
    EXPECT_EQ(lists(plan({})).value("cmbPrts"), (QStringList{"PM44PRO FULL", "PM44PRO"}));
}

TEST_F(MainWindowTextsTest, ListsKeepOneEntryPerKeyEvenWhenTextsAreMissing)
{
    const auto result = lists(plan({{"cmbAction3", "Cutter"}, {"cmbDHCP1", "On"}}));
    EXPECT_EQ(result.value("cmbZPrintMode"), (QStringList{"", "Cutter", ""}));
    EXPECT_EQ(result.value("cmbDHCP"), (QStringList{"On", ""}));
    EXPECT_EQ(result.value("cmbWDHCP"), (QStringList{"On", ""}));
    EXPECT_EQ(result.value("cmbZHeadClose").size(), 3);
}

TEST_F(MainWindowTextsTest, OnlyTheAlignmentListIsNotEmptiedFirst)
{
    const auto assignments = plan({});
    QStringList cleared;
    for (const Assignment &a : assignments) {
        if (a.target == Target::ClearList)
            cleared << a.control;
    }
    EXPECT_FALSE(cleared.contains("cbxAlignCenter"));
    EXPECT_TRUE(cleared.contains("cmbFileType"));
    EXPECT_TRUE(cleared.contains("cmbPrts"));
}

TEST_F(MainWindowTextsTest, ALaterRowReplacesAnEarlierCaption)
{
    const auto shown = captions(plan({{"lblDLabelWidth", "Label width"},
                                      {"lblE_PrintSpeed", "Print speed"},
                                      {"lblDPresentSensor", "Sensor"},
                                      {"lblE_PrintOrientation", "Orientation"}}));
    EXPECT_EQ(shown.value("lblDLabelWidth"), QStringLiteral("Print speed"));
    EXPECT_EQ(shown.value("lblDPresentSensor"), QStringLiteral("Orientation"));
}

TEST_F(MainWindowTextsTest, OneKeyFeedsSeveralControls)
{
    const auto shown = captions(plan({{"lblMAC", "MAC"},
                                      {"FormCommandTest_rdoChar", "Text"},
                                      {"btnGet", "Read"},
                                      {"lblDHCP", "DHCP"}}));
    for (const char *control : {"lblMAC", "lblIPMAC", "lblWMAC"})
        EXPECT_EQ(shown.value(control), QStringLiteral("MAC")) << control;
    EXPECT_EQ(shown.value("rdoRecChar"), QStringLiteral("Text"));
    EXPECT_EQ(shown.value("rdoChar"), QStringLiteral("Text"));
    EXPECT_EQ(shown.value("btnGet_tabZ"), QStringLiteral("Read"));
    EXPECT_EQ(shown.value("lblWDHCP"), QStringLiteral("DHCP"));
}

TEST_F(MainWindowTextsTest, HeldTextsAndCaptionsTakenFromThem)
{
    const auto assignments = plan({{"SpaceInfo", "old"},
                                   {"FormDLF_SpaceInfo", "Free {0}, used {1}"},
                                   {"FormCommandTest_btnSend1", "Send"},
                                   {"msgDFU", "Upgrade"},
                                   {"msgDL", "Download"},
                                   {"NoHelpFile", "No help"}},
                                  {{"Lang_All_00210282_11", "Clock"}});
    const auto texts = held(assignments);
    EXPECT_EQ(texts.value("SpaceInfo"), QStringLiteral("Free {0}, used {1}"));
    EXPECT_EQ(texts.value("NoHelpFile"), QStringLiteral("No help"));
    const auto shown = captions(assignments);
    EXPECT_EQ(shown.value("btnSend"), QStringLiteral("Send"));
    EXPECT_EQ(shown.value("btnDownload"), QStringLiteral("Upgrade"));
    EXPECT_EQ(shown.value("btnDLFont"), QStringLiteral("Download"));
    EXPECT_EQ(shown.value("btnDLFile"), QStringLiteral("Download"));
    EXPECT_EQ(shown.value("btnRTC"), QStringLiteral("Clock"));
}

TEST_F(MainWindowTextsTest, HintsAndTheFontListColumn)
{
    const auto assignments =
        plan({{"MsgBoxLabelTypeLock", "Locks the label type"}, {"lvFontsItem1", "Font name"}});
    QStringList hinted;
    for (const Assignment &a : assignments) {
        if (a.target == Target::Hint) {
            hinted << a.control;
            EXPECT_EQ(a.text, QStringLiteral("Locks the label type"));
        }
        if (a.target == Target::ColumnCaption) {
            EXPECT_EQ(a.control, QStringLiteral("lvFonts"));
            EXPECT_EQ(a.index, 1);
            EXPECT_EQ(a.text, QStringLiteral("Font name"));
        }
    }
    EXPECT_EQ(hinted, (QStringList{"lblLabelTypeLock", "cbxLabelTypeLock"}));
}

TEST_F(MainWindowTextsTest, TheDelayLabelsJoinTableEntriesAndTheBounds)
{
    const auto shown = captions(plan({}, {{"Lang_All_00210340_11", "Packet delay"},
                                          {"Lang_All_00010002_11", ":"},
                                          {"Lang_All_00210120_11", "ms"}}));
    EXPECT_EQ(shown.value("edtLbl_DownFw_ReadResponseInPacket_Before_Delay"),
              QStringLiteral("Packet delay:"));
    EXPECT_EQ(shown.value("txtSupport_ownFw_ReadResponseInPacket_Before_Delay"),
              QStringLiteral("ms(0~200)"));
}

TEST_F(MainWindowTextsTest, TheLanguageFontIsReadInTheTableLanguage)
{
    plan({{"_FontName", "Tahoma"}, {"_FontSize", "9"}, {"_FontCharset", "0"}});
    ASSERT_TRUE(m_texts->Font().has_value());
    EXPECT_EQ(m_texts->Font()->Name, QStringLiteral("Tahoma"));
}

TEST(MainWindowTextsKeysTest, ListsEveryKeyOnce)
{
    const QStringList keys = MainWindowTexts::WindowKeys();
    EXPECT_EQ(keys.size(), QSet<QString>(keys.begin(), keys.end()).size());
    for (const char *key : {"Caption", "btnT_Config", "lblE_PrintSpeed", "cmbAction4",
                            "FormDLF_SpaceInfo", "NoHelpFile", "tabZ_cbxAlignCenter_Item1"})
        EXPECT_TRUE(keys.contains(QString::fromLatin1(key))) << key;
    EXPECT_FALSE(keys.contains("btnT_System"));
}

} // namespace
