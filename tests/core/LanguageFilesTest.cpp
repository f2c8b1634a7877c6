#include "FakeSystemLanguage.h"
#include "FixedClock.h"
#include "IniFile.h"
#include "LibraryCodes.h"
#include "MainWindowTexts.h"
#include "MessageTexts.h"
#include "PrinterLink.h"
#include "RecordingDialogs.h"
#include "TConstLangV.h"
#include "TGlobalFunc.h"
#include "TextTableCatalogue.h"
#include "prtsdk.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace
{

// The language files as the build puts them beside the executables.
const QString kFolder = QStringLiteral(PRT_LANGUAGE_DIR "/");
const QStringList kLanguages{QStringLiteral("1033"), QStringLiteral("2052")};

// Keys shown by the windows other than the main window, in their window's
// language.
const char *const kOtherWindowKeys[] = {
    // About window
    "FormAbout_Caption", "FormAbout_lblVersion", "FormAbout_lblCR", "FormAbout_lblWS",
    "FormAbout_lblWS1", "FormAbout_lblE", "FormAbout_lblE1", "FormAbout_lblT", "FormAbout_lblT1",
    "FormRTC_btnClose",
    // Port dialogs
    "FormCOM_Caption", "FormCOM_lblComNO", "FormCOM_lblFlowControl", "FormLPT_Caption",
    "FormTCPIP_Caption", "FormETH_lblPort", "FormCOM_btnOK", "FormCOM_btnCancel",
    // Advanced calibration dialog
    "btnAC", "lblC_PaperHeight", "lblC_Gap",
    // Printer state lines
    "PState0", "PState1", "PState3", "PState5", "PState7", "PState9",
    // Font page
    "lblCarPosi", "cmbLakeBoart1", "cmbLakeBoart2", "lvFontsItem1", "lvFontsItem2",
    "DeleteFontFail",
    // Language font
    "_FontName", "_FontSize", "_FontCharset"};

// Table entries shown by windows and messages other than the main window.
const char *const kOtherTableKeys[] = {
    "Lang_Word_BreakDown",  "Lang_Word_FileNameLenMax", "Lang_All_00010023_11",
    "Lang_All_00210007_11", "Lang_All_00210253_19",     "Lang_All_00210253_53",
    "Lang_All_00210272_11", "Lang_All_00210272_13",     "Lang_All_00210283_11",
    "Lang_All_00210284_11", "Lang_All_00210285_11",     "Lang_All_00210286_11",
    "Lang_All_00210287_11", "Lang_All_00210288_11",     "Lang_All_00210289_11",
    "Lang_All_00210290_11", "Lang_All_00210291_11",     "Lang_All_00210292_11",
    "Lang_All_00210367_11", "Lang_All_00210375_11",     "Lang_All_00210376_11"};

// Texts that are the same in every language.
const QSet<QString> kSameInEveryLanguage{QStringLiteral("_FontSize")};

QStringList windowKeys()
{
    QStringList keys = MainWindowTexts::WindowKeys() + MessageTexts::Keys();
    for (const char *key : kOtherWindowKeys)
        keys << QString::fromLatin1(key);
    for (const int code : kLibraryCodes)
        keys << PrinterLink::ErrorKeyOf(code);
    keys.removeDuplicates();
    return keys;
}

QStringList tableKeys()
{
    QStringList keys = MainWindowTexts::TableKeys();
    for (const char *key : kOtherTableKeys)
        keys << QString::fromLatin1(key);
    return keys;
}

struct ShownText {
    QString file;    // a file of one language: the main file or its table file
    QString section; // the language id
    QStringList keys;
};

QString mainFile()
{
    return kFolder + TConstLangV::MasterFile;
}

QString tableFile(const QString &language)
{
    return kFolder + QStringLiteral("UtilityLanguage_%1.ini").arg(language);
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("\\{\\d\\}|%s"));
    QStringList found;
    for (auto match = placeholder.globalMatch(text); match.hasNext();)
        found << match.next().captured();
    found.sort();
    return found;
}

TEST(LanguageFilesTest, EveryShownWindowTextExistsInEveryLanguage)
{
    for (const QString &language : kLanguages) {
        const IniFile file(mainFile());
        for (const QString &key : windowKeys())
            EXPECT_FALSE(file.readString(language, key).trimmed().isEmpty())
                << language.toStdString() << ' ' << key.toStdString();
    }
}

TEST(LanguageFilesTest, EveryShownTableTextExistsInEveryLanguage)
{
    for (const QString &language : kLanguages) {
        const IniFile file(tableFile(language));
        for (const QString &key : tableKeys())
            EXPECT_FALSE(file.readString(language, key).trimmed().isEmpty())
                << language.toStdString() << ' ' << key.toStdString();
    }
}

TEST(LanguageFilesTest, ShownTableTextsAreLoadedByTheTextTable)
{
    QSet<QString> loaded;
    for (const auto &lookup : TextTableCatalogue::Lookups())
        loaded.insert(lookup.key);
    for (const QString &key : tableKeys())
        EXPECT_TRUE(loaded.contains(key)) << key.toStdString();
}

TEST(LanguageFilesTest, ChineseTextsAreTranslationsWithTheSamePlaceholders)
{
    const std::pair<QString, QStringList> files[] = {{mainFile(), windowKeys()},
                                                     {QString(), tableKeys()}};
    for (const auto &[path, keys] : files) {
        const IniFile english(path.isEmpty() ? tableFile("1033") : path);
        const IniFile chinese(path.isEmpty() ? tableFile("2052") : path);
        for (const QString &key : keys) {
            const QString en = english.readString("1033", key);
            const QString zh = chinese.readString("2052", key);
            if (!kSameInEveryLanguage.contains(key)) {
                EXPECT_NE(en, zh) << key.toStdString();
            }
            EXPECT_EQ(placeholders(en), placeholders(zh)) << key.toStdString();
        }
    }
}

TEST(LanguageFilesTest, PageButtonTextsAreFramedSoTheyShowWhole)
{
    const IniFile file(mainFile());
    for (const QString &language : kLanguages) {
        for (const char *key : {"btnT_Config", "btnT_Fonts", "btnT_Test", "btnT_CT", "btnT_DFU"}) {
            const QString text = file.readString(language, QString::fromLatin1(key));
            ASSERT_GE(text.size(), 3) << key;
            EXPECT_TRUE(text.front().isSpace() && text.back().isSpace())
                << language.toStdString() << ' ' << key;
        }
    }
}

TEST(LanguageFilesTest, OfferBothLanguagesWithEnglishAsDefault)
{
    const IniFile file(mainFile());
    const QStringList offered = file.readString("LanguageCollect", "List").split(u',');
    for (const QString &language : kLanguages)
        EXPECT_TRUE(offered.contains(language)) << language.toStdString();
    EXPECT_EQ(file.readString("LanguageCollect", "DefaultLanguageID"), QStringLiteral("1033"));
    EXPECT_FALSE(file.readString("Global", "_Version").isEmpty());
    for (const char *name : {"Lang_Word_CN", "Lang_Word_EN", "Lang_Word_TW", "Lang_Word_Fy",
                             "Lang_Word_ES", "Lang_Word_RU", "Lang_Word_JP", "Lang_Word_PT"})
        EXPECT_FALSE(file.readString("Global", QString::fromLatin1(name)).isEmpty()) << name;
}

TEST(LanguageFilesTest, AreCleanUtf8WithWindowsLineEnds)
{
    for (const QString &path : {mainFile(), tableFile("1033"), tableFile("2052")}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        const QByteArray bytes = file.readAll();
        EXPECT_FALSE(QString::fromUtf8(bytes).contains(QChar::ReplacementCharacter));
        EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n')) << path.toStdString();
    }
}

TEST(LanguageFilesTest, TheProgramShowsChineseFromTheShippedFiles)
{
    RecordingDialogs dialogs;
    FixedClock clock;
    TGlobalFunc func(dialogs, clock);
    FakeSystemLanguage system;
    system.id = 2052;
    TConstLangV::Setup setup;
    setup.configFolder = kFolder;
    TConstLangV texts(setup, func, system);
    texts.InitialiseMainWindowLanguage([] {});
    EXPECT_EQ(texts.WindowLanguage(), QStringLiteral("2052"));
    EXPECT_EQ(texts.UiText("btnGetState"), QStringLiteral("读取状态"));
    EXPECT_EQ(texts.Messages().ErrorTitle, QStringLiteral("错误"));
    EXPECT_EQ(texts.Entry("Lang_All_00210276_11"), QStringLiteral("文件管理"));
    ASSERT_TRUE(texts.LoadLanguageFont().has_value());
    EXPECT_EQ(texts.Font()->Charset, 134);
}

TEST(LanguageFilesTest, AnUnofferedSystemLanguageFallsBackToEnglish)
{
    RecordingDialogs dialogs;
    FixedClock clock;
    TGlobalFunc func(dialogs, clock);
    FakeSystemLanguage system;
    system.id = 1041;
    TConstLangV::Setup setup;
    setup.configFolder = kFolder;
    TConstLangV texts(setup, func, system);
    texts.InitialiseMainWindowLanguage([] {});
    EXPECT_EQ(texts.TableLanguage(), QStringLiteral("1033"));
    EXPECT_EQ(texts.UiText("btnGetState"), QStringLiteral("Read Status"));
    EXPECT_EQ(texts.Entry("Lang_All_00210282_11"), QStringLiteral("Printer Clock"));
}

} // namespace
