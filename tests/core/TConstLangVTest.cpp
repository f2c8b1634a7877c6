#include "TConstLangV.h"
#include "FakeSystemLanguage.h"
#include "FixedClock.h"
#include "IniFile.h"
#include "LanguageFolder.h"
#include "RecordingDialogs.h"
#include "StandInLibrary.h"
#include "TGlobalFunc.h"
#include "TextTableCatalogue.h"

#include <QSet>

#include <gtest/gtest.h>

#include <memory>

namespace
{

class TConstLangVTest : public ::testing::Test
{
protected:
    std::unique_ptr<TConstLangV> create(const QString &firstArgument = QString())
    {
        TConstLangV::Setup setup;
        setup.configFolder = m_folder.path();
        setup.firstArgument = firstArgument;
        setup.debugMode = m_debugMode;
        setup.debugMarkerExists = m_markerExists;
        setup.toolType = QStringLiteral("PelkoPpl");
        setup.oemCo = QStringLiteral("PelkoPpl_Vasko_PM44ProFull");
        return std::make_unique<TConstLangV>(setup, m_func, m_system);
    }

    std::unique_ptr<StandInLibrary> installLibrary(StandInLibrary::Variant variant)
    {
        return std::make_unique<StandInLibrary>(StandInLibrary::Kind::Language, variant,
                                                m_folder.path());
    }

    LanguageFolder m_folder;
    FakeSystemLanguage m_system;
    RecordingDialogs m_dialogs;
    FixedClock m_clock;
    TGlobalFunc m_func{m_dialogs, m_clock};
    bool m_debugMode = false;
    bool m_markerExists = false;
};

// Which language the table and the windows end up with.
struct ChoiceCase {
    const char *name;
    int systemId;
    const char *firstArgument;
    const char *offered;
    const char *defaultId;
    bool debugMode;
    bool markerExists;
    bool answerOk;
    const char *table;
    const char *window;
    int questions;
};

const ChoiceCase kChoices[] = {
    {"SpanishVariantUsesSpanishTable", 2058, "", "1033,1034", "1033", false, false, true, "1034",
     "1033", 0},
    {"SwitchPicksTableOnly", 1033, "-JP", "1033,1041", "1033", false, false, true, "1041", "1033",
     0},
    {"SwitchedLanguageNotOffered", 1033, "-JP", "1033", "1033", false, false, true, "1033", "1033",
     0},
    {"ChineseSwitchPicksBoth", 1033, "-CN", "2052,1033", "1033", false, false, true, "2052", "2052",
     0},
    {"ChineseSwitchNotOffered", 1033, "-CN", "1033", "1033", false, false, true, "1033", "1033", 0},
    {"PortugalCountsAsBrazil", 2070, "", "1033,1046", "1033", false, false, true, "1046", "1033",
     0},
    {"HongKongCountsAsTaiwan", 3076, "", "1028,1033", "1033", false, false, true, "1028", "1033",
     0},
    {"SystemLanguageOffered", 2052, "", "2052,1033", "1033", false, false, true, "2052", "2052", 0},
    {"EmptyListFallsBack", 2052, "", "", "1033", false, false, true, "1033", "1033", 0},
    {"PartOfAnIdIsNotOffered", 103, "", "1033", "2052", false, false, true, "2052", "2052", 0},
    {"BlanksInTheListAreIgnored", 1034, "", "1033 , 1034", "1033", false, false, true, "1034",
     "1034", 0},
    {"DebugPicksRussianWhenOffered", 1033, "", "1033,1049", "1033", true, true, false, "1049",
     "1033", 2},
    {"DebugFallsBackToChinese", 1033, "", "1033", "1033", true, true, false, "2052", "1033", 2},
    {"MarkerOkOffersChinese", 2052, "", "1033", "1033", false, true, true, "2052", "2052", 2},
    {"MarkerCancelKeepsTheList", 2052, "", "1033", "1033", false, true, false, "1033", "1033", 2},
};

class LanguageChoiceTest : public TConstLangVTest, public ::testing::WithParamInterface<ChoiceCase>
{
};

TEST_P(LanguageChoiceTest, ChoosesTableAndWindowLanguage)
{
    const ChoiceCase &row = GetParam();
    m_system.id = row.systemId;
    m_debugMode = row.debugMode;
    m_markerExists = row.markerExists;
    m_dialogs.defaultAnswer = row.answerOk;
    m_folder.setOffered(QString::fromLatin1(row.offered), QString::fromLatin1(row.defaultId));

    const auto texts = create(QString::fromLatin1(row.firstArgument));
    EXPECT_EQ(texts->TableLanguage(), QString::fromLatin1(row.table));
    EXPECT_EQ(texts->ChooseWindowLanguage(), QString::fromLatin1(row.window));
    ASSERT_EQ(m_dialogs.boxes.size(), std::size_t(row.questions));
    if (row.questions == 2) {
        EXPECT_EQ(m_dialogs.boxes[0].text, QStringLiteral("2222:add 2052 to strLanIDList____x?"));
        EXPECT_EQ(m_dialogs.boxes[1].text, QStringLiteral("1111 add 2052 to strLanIDList____x?"));
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, LanguageChoiceTest, ::testing::ValuesIn(kChoices),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(TConstLangVTest, TheTableLanguageIsChosenOnce)
{
    m_folder.setOffered(QStringLiteral("1033,1034"), QStringLiteral("1033"));
    m_system.id = 1034;
    const auto texts = create();
    texts->SetTableLanguage(QStringLiteral("1033"));
    EXPECT_EQ(texts->ChooseTableLanguage(), QStringLiteral("1033"));
    EXPECT_EQ(texts->LanguageName(), QStringLiteral("system-1034"));
}

TEST_F(TConstLangVTest, AFallbackTakesTheDefaultName)
{
    m_folder.setOffered(QStringLiteral("1033"), QStringLiteral("1033"));
    m_system.id = 1041;
    const auto texts = create();
    EXPECT_EQ(texts->LanguageName(), QStringLiteral("name-1033"));
    texts->ChooseWindowLanguage();
    EXPECT_EQ(texts->WindowLanguageName(), QStringLiteral("name-1033"));
}

TEST_F(TConstLangVTest, WindowTextsComeFromTheMainFileAndTableTextsFromTheLanguageFile)
{
    m_folder.setOffered(QStringLiteral("1033,1034"), QStringLiteral("1033"));
    m_folder.setMainSection("1034", {{"Caption", "main-es"}, {"Lang_Word_Space", "main"}});
    m_folder.setMainSection("2058", {{"Caption", "main-mx"}});
    m_folder.setMainSection("1033", {{"Caption", "main-en"}});
    m_folder.setLanguageFile("1034", {{"Caption", "file-es"}, {"Lang_Word_Space", "x1x"}});
    m_system.id = 2058;
    const auto texts = create();
    texts->ChooseWindowLanguage();
    EXPECT_EQ(texts->UiText(QStringLiteral("Caption")), QStringLiteral("main-en"));
    EXPECT_EQ(texts->TableText(QStringLiteral("Caption")), QStringLiteral("file-es"));
    EXPECT_EQ(texts->Entry(QStringLiteral("Lang_Word_Space")), QStringLiteral("xx"));
    EXPECT_EQ(texts->ReadLangText(TConstLangV::MasterFile, QStringLiteral("1033"),
                                  QStringLiteral("Caption")),
              QStringLiteral("main-en"));
    EXPECT_TRUE(texts->ReadLangText(QString(), QStringLiteral("1034"), QStringLiteral("Caption"))
                    .isEmpty());
}

struct PathCase {
    const char *name;
    const char *table;
    const char *file;
    const char *section;
    const char *expected;
};

const PathCase kPaths[] = {
    {"OwnFileOfTheTableLanguage", "2052", "UtilityLanguage.ini", "2052",
     "UtilityLanguage_2052.ini"},
    {"OtherSectionStays", "2052", "UtilityLanguage.ini", "1033", "UtilityLanguage.ini"},
    {"OtherFileStays", "2052", "Other.ini", "2052", "Other.ini"},
    {"PortugueseHasNoOwnFile", "1046", "UtilityLanguage.ini", "1046", "UtilityLanguage.ini"},
    {"Russian", "1049", "UtilityLanguage.ini", "1049", "UtilityLanguage_1049.ini"},
    {"UnknownLanguage", "2058", "UtilityLanguage.ini", "2058", "UtilityLanguage.ini"},
};

class LanguageFilePathTest : public TConstLangVTest, public ::testing::WithParamInterface<PathCase>
{
};

TEST_P(LanguageFilePathTest, RedirectsOnlyTheTableLanguagesMainFile)
{
    const auto texts = create();
    texts->SetTableLanguage(QString::fromLatin1(GetParam().table));
    EXPECT_EQ(texts->LanguageFilePath(QString::fromLatin1(GetParam().file),
                                      QString::fromLatin1(GetParam().section)),
              m_folder.path() + QString::fromLatin1(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Rows, LanguageFilePathTest, ::testing::ValuesIn(kPaths),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(TConstLangVTest, ChineseAndPortugueseLookupsEndWithoutTheLibrary)
{
    m_folder.setOffered(QStringLiteral("2052,1046"), QStringLiteral("2052"));
    m_folder.setMainSection("2052", {{"Caption", "打印机工具"}});
    m_folder.setMainSection("1046", {{"Caption", "Utilitário"}});
    m_folder.setLanguageFile("2052", {{"Lang_Word_Read", "读取"}});
    const auto texts = create(QStringLiteral("-CN"));
    texts->InstallLibraryHook();
    texts->SetWindowLanguage(QStringLiteral("2052"));
    EXPECT_EQ(texts->UiText(QStringLiteral("Caption")), QStringLiteral("打印机工具"));
    EXPECT_EQ(texts->TableText(QStringLiteral("Lang_Word_Read")), QStringLiteral("读取"));
    EXPECT_EQ(texts->ReadLangTextVia(TConstLangV::MasterFile, QStringLiteral("1046"),
                                     QStringLiteral("Caption")),
              QStringLiteral("Utilitário"));
}

TEST_F(TConstLangVTest, ALibraryWithoutTheLookupLeavesTheFilesValues)
{
    const auto library = installLibrary(StandInLibrary::Variant::Partial);
    m_folder.setMainSection("2052", {{"Caption", "打印机工具"}});
    const auto texts = create(QStringLiteral("-CN"));
    texts->InstallLibraryHook();
    EXPECT_EQ(texts->ReadUiText(TConstLangV::MasterFile, QStringLiteral("2052"),
                                QStringLiteral("Caption")),
              QStringLiteral("打印机工具"));
}

struct HookCase {
    const char *name;
    const char *file;
    const char *section;
    bool installed;
    const char *expected;
};

const HookCase kHookCases[] = {
    {"ChineseAnsweredByTheLibrary", "UtilityLanguage.ini", "2052", true, "lib:2052:Caption"},
    {"PortugueseAnsweredByTheLibrary", "UtilityLanguage.ini", "1046", true, "lib:1046:Caption"},
    {"EnglishFromTheFile", "UtilityLanguage.ini", "1033", true, "file-1033"},
    {"OtherFileFromTheFile", "Other.ini", "2052", true, "other-2052"},
    {"BeforeTheHookFromTheFile", "UtilityLanguage.ini", "2052", false, "file-2052"},
};

class LibraryHookTest : public TConstLangVTest, public ::testing::WithParamInterface<HookCase>
{
};

TEST_P(LibraryHookTest, AnswersFromLibraryOrFile)
{
    const auto library = installLibrary(StandInLibrary::Variant::Full);
    for (const char *section : {"2052", "1046", "1033"}) {
        m_folder.setMainSection(section, {{"Caption", QStringLiteral("file-") + section}});
    }
    IniFile(m_folder.path() + "Other.ini").writeString("2052", "Caption", "other-2052");
    const auto texts = create();
    if (GetParam().installed)
        texts->InstallLibraryHook();
    EXPECT_EQ(texts->ReadUiText(QString::fromLatin1(GetParam().file),
                                QString::fromLatin1(GetParam().section), QStringLiteral("Caption")),
              QString::fromLatin1(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Rows, LibraryHookTest, ::testing::ValuesIn(kHookCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(TConstLangVTest, CreationTellsTheLibraryTheLanguageAndIdentityAndReadsNoText)
{
    const auto library = installLibrary(StandInLibrary::Variant::Full);
    m_folder.setOffered(QStringLiteral("2052,1033"), QStringLiteral("1033"));
    m_folder.setLanguageFile("2052", {{"Lang_Word_Read", "读取"}});
    const auto texts = create(QStringLiteral("-CN"));
    EXPECT_EQ(
        library->calls(),
        (QStringList{"LangInit()", "LangSetLanguageID(2052)",
                     "LangSetLanguageFN_FullName(" + m_folder.path() + "UtilityLanguage_2052.ini)",
                     "Lang_SetToolType(PelkoPpl)", "Lang_SetOemCo(PelkoPpl_Vasko_PM44ProFull)"}));
    EXPECT_EQ(texts->Entry(QStringLiteral("Lang_Word_Read")), QStringLiteral("读取"));
    texts.get()->Release();
    EXPECT_EQ(library->calls().last(), QStringLiteral("LangUnInit()"));
}

TEST_F(TConstLangVTest, TheLibraryHearsOfNoFileThatDoesNotExist)
{
    const auto library = installLibrary(StandInLibrary::Variant::Full);
    m_folder.setOffered(QStringLiteral("1033"), QStringLiteral("1033"));
    const auto texts = create(QStringLiteral("-EN"));
    EXPECT_EQ(library->calls().mid(0, 3),
              (QStringList{"LangInit()", "LangSetLanguageID(1033)", "Lang_SetToolType(PelkoPpl)"}));
}

TEST_F(TConstLangVTest, ReleasingTwiceSaysGoodbyeOnce)
{
    const auto library = installLibrary(StandInLibrary::Variant::Full);
    auto texts = create();
    EXPECT_TRUE(texts->Release());
    EXPECT_TRUE(texts->Release());
    texts.reset();
    EXPECT_EQ(library->calls().count(QStringLiteral("LangUnInit()")), 1);
}

TEST_F(TConstLangVTest, LoadingAsksTheLibraryForItsKeysOnly)
{
    const auto library = installLibrary(StandInLibrary::Variant::Full);
    m_folder.setOffered(QStringLiteral("1033"), QStringLiteral("1033"));
    m_folder.setLanguageFile("1033", {{"Lang_Word_Read", "Read"}});
    const auto texts = create(QStringLiteral("-EN"));
    library->reset();
    texts->LoadTexts();
    int viaLibrary = 0;
    for (const auto &lookup : TextTableCatalogue::Lookups())
        viaLibrary += lookup.viaLibrary ? 1 : 0;
    EXPECT_EQ(library->calls().size(), viaLibrary);
    EXPECT_EQ(texts->Entry(QStringLiteral("Lang_Word_Read")), QStringLiteral("Read"));
    EXPECT_EQ(texts->Entry(QStringLiteral("Lang_All_00210276_11")),
              QStringLiteral("lib:1033:Lang_All_00210276_11"));
}

TEST_F(TConstLangVTest, OnceHookedEveryChineseLookupGoesToTheLibrary)
{
    const auto library = installLibrary(StandInLibrary::Variant::Full);
    m_folder.setOffered(QStringLiteral("2052"), QStringLiteral("2052"));
    const auto texts = create(QStringLiteral("-CN"));
    texts->InstallLibraryHook();
    library->reset();
    texts->LoadTexts();
    EXPECT_EQ(library->calls().size(), TextTableCatalogue::Lookups().size());
    EXPECT_EQ(texts->Entry(QStringLiteral("Lang_Word_Read")),
              QStringLiteral("lib:2052:Lang_Word_Read"));
}

struct LoadRuleCase {
    const char *key;
    const char *stored;
    const char *loaded;
};

class LoadRuleTest : public TConstLangVTest, public ::testing::WithParamInterface<LoadRuleCase>
{
};

TEST_P(LoadRuleTest, AppliesTheLoadingRules)
{
    m_folder.setOffered(QStringLiteral("1033"), QStringLiteral("1033"));
    m_folder.setLanguageFile("1033", {{GetParam().key, QString::fromUtf8(GetParam().stored)}});
    const auto texts = create(QStringLiteral("-EN"));
    EXPECT_EQ(texts->Entry(QString::fromLatin1(GetParam().key)),
              QString::fromUtf8(GetParam().loaded));
}

INSTANTIATE_TEST_SUITE_P(Rows, LoadRuleTest,
                         ::testing::Values(LoadRuleCase{"Lang_Word_Space", "1 1", " "},
                                           LoadRuleCase{"Lang_Word_Space", "1", ""},
                                           LoadRuleCase{"btnT_Fonts", " 1 Fonts 1 ", "Fonts"},
                                           LoadRuleCase{"btnT_Fonts", "F1o1nts", "Fonts"},
                                           LoadRuleCase{"Lang_Word_Read", "1 Read 1", "1 Read 1"},
                                           LoadRuleCase{"Lang_Word_Exclamation", "!", "!"},
                                           LoadRuleCase{"Lang_All_00210215_12", "x", "x"},
                                           LoadRuleCase{"Lang_All_00210216_20", "y", "y"},
                                           LoadRuleCase{"Lang_Pelko_00010012_11", "z", "z"}));

TEST_F(TConstLangVTest, HoldsTheFixedTextsAndPortWords)
{
    EXPECT_EQ(TConstLangV::OnText(), QStringLiteral("ON"));
    EXPECT_EQ(TConstLangV::OffText(), QStringLiteral("OFF"));
    EXPECT_EQ(TConstLangV::PortWords(), (QStringList{"USB", "COM", "LPT", "ETH"}));
}

TEST_F(TConstLangVTest, ReadsTheDisplayNamesFromGlobal)
{
    m_folder.setMainSection("Global", {{"Lang_Word_CN", "简体中文"},
                                       {"Lang_Word_EN", "English"},
                                       {"Lang_Word_Fy", "Français"},
                                       {"Lang_Word_PT", "Português"}});
    const auto texts = create();
    EXPECT_EQ(texts->DisplayNames().value("2052"), QStringLiteral("简体中文"));
    EXPECT_EQ(texts->DisplayNames().value("1033"), QStringLiteral("English"));
    EXPECT_EQ(texts->DisplayNames().value("1036"), QStringLiteral("Français"));
    EXPECT_EQ(texts->DisplayNames().value("1046"), QStringLiteral("Português"));
    EXPECT_TRUE(texts->DisplayNames().value("1049").isEmpty());
    EXPECT_EQ(texts->DisplayNames().size(), 8);
}

TEST_F(TConstLangVTest, MessageTextsComeInTheWindowLanguage)
{
    m_folder.setOffered(QStringLiteral("1033,2052"), QStringLiteral("1033"));
    m_folder.setMainSection("1033", {{"_MSG_Title_Error", "Error"}, {"_E_ITW", "Too wide"}});
    m_folder.setLanguageFile("1033", {{"_MSG_Title_Error", "table"}});
    const auto texts = create();
    texts->ChooseWindowLanguage();
    texts->LoadMessageTexts();
    EXPECT_EQ(texts->Messages().ErrorTitle, QStringLiteral("Error"));
    EXPECT_EQ(texts->Messages().ErrImageWidth, QStringLiteral("Too wide"));
    EXPECT_TRUE(texts->Messages().WarnTitle.isEmpty());
}

struct FontCase {
    const char *name;
    const char *fontName;
    const char *size;
    const char *charset;
    bool valid;
};

class LanguageFontTest : public TConstLangVTest, public ::testing::WithParamInterface<FontCase>
{
};

TEST_P(LanguageFontTest, ComesFromTheTableLanguagesMainSection)
{
    const FontCase &row = GetParam();
    m_folder.setOffered(QStringLiteral("1033"), QStringLiteral("1033"));
    m_folder.setMainSection("1033", {{"_FontName", QString::fromUtf8(row.fontName)},
                                     {"_FontSize", row.size},
                                     {"_FontCharset", row.charset}});
    const auto texts = create(QStringLiteral("-EN"));
    const auto &font = texts->LoadLanguageFont();
    ASSERT_EQ(font.has_value(), row.valid);
    if (row.valid) {
        EXPECT_EQ(font->Name, QString::fromUtf8(row.fontName));
        EXPECT_EQ(font->Size, QString::fromLatin1(row.size).toInt());
        EXPECT_EQ(font->Charset, QString::fromLatin1(row.charset).toInt());
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, LanguageFontTest,
                         ::testing::Values(FontCase{"Valid", "Tahoma", "9", "0", true},
                                           FontCase{"Chinese", "微软雅黑", "10", "134", true},
                                           FontCase{"NoName", "", "9", "0", false},
                                           FontCase{"SizeNotANumber", "Tahoma", "nine", "0", false},
                                           FontCase{"NoSize", "Tahoma", "", "0", false},
                                           FontCase{"ZeroSize", "Tahoma", "0", "0", false},
                                           FontCase{"CharsetNotANumber", "Tahoma", "9", "x",
                                                    false}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(LanguageFontAppliesTest, EveryListedKindAndEveryLabelButTheUnitLabel)
{
    using Kind = LanguageFont::ControlKind;
    for (const Kind kind : {Kind::Button, Kind::ListView, Kind::GroupBox, Kind::Edit,
                            Kind::PageControl, Kind::RadioButton, Kind::CheckBox, Kind::ComboBox,
                            Kind::RichEdit, Kind::RadioGroup, Kind::Panel, Kind::Label})
        EXPECT_TRUE(LanguageFont::AppliesTo(kind, QStringLiteral("lblYear")));
    EXPECT_FALSE(LanguageFont::AppliesTo(Kind::Label, QStringLiteral("lblUnit")));
    EXPECT_TRUE(LanguageFont::AppliesTo(Kind::Button, QStringLiteral("lblUnit")));
    EXPECT_FALSE(LanguageFont::AppliesTo(Kind::Other, QStringLiteral("Image1")));
}

TEST_F(TConstLangVTest, TheMainWindowAppliesItsTextsBetweenTheTwoLoads)
{
    const auto library = installLibrary(StandInLibrary::Variant::Full);
    m_folder.setOffered(QStringLiteral("2052,1033"), QStringLiteral("1033"));
    m_folder.setMainSection("1033", {{"_MSG_Title_Message", "Message"}});
    m_system.id = 1033;
    const auto texts = create(QStringLiteral("-CN"));
    texts->InstallLibraryHook();
    library->reset();
    QString tableEntryWhileApplying;
    int callsBeforeApplying = 0;
    texts->InitialiseMainWindowLanguage([&] {
        tableEntryWhileApplying = texts->Entry(QStringLiteral("Lang_Word_Read"));
        callsBeforeApplying = int(library->calls().size());
    });
    EXPECT_EQ(texts->WindowLanguage(), QStringLiteral("2052"));
    EXPECT_EQ(texts->Messages().MessageTitle, QStringLiteral("lib:2052:_MSG_Title_Message"));
    EXPECT_EQ(tableEntryWhileApplying, QStringLiteral("lib:2052:Lang_Word_Read"));
    const QStringList after = library->calls().mid(callsBeforeApplying);
    ASSERT_FALSE(after.isEmpty());
    EXPECT_EQ(after.first(), QStringLiteral("LangSetLanguageID(2052)"));
    EXPECT_EQ(after.size(), 1 + TextTableCatalogue::Lookups().size());
}

} // namespace
