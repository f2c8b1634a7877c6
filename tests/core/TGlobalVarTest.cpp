#include "TGlobalVar.h"
#include "FakeIdentityDialog.h"
#include "FixedClock.h"
#include "RecordingDialogs.h"
#include "StandInLibrary.h"
#include "TGlobalFunc.h"
#include "TPelkoPelko.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace
{

class TGlobalVarTest : public ::testing::Test
{
protected:
    QString programFolder() const { return m_root.filePath("program/"); }
    QString localAppData() const { return m_root.filePath("local/"); }
    QString debugDrive() const { return m_root.filePath("drive/"); }

    std::unique_ptr<TGlobalVar> create(bool asked = false, bool answer = false)
    {
        QDir().mkpath(programFolder());
        const TGlobalVar::Setup setup{programFolder(),        localAppData(), debugDrive(),
                                      m_root.filePath("run"), asked,          answer};
        return std::make_unique<TGlobalVar>(setup, m_func, &m_identityDialog);
    }

    void writeOptionFile(const QByteArray &toolType, const QByteArray &oemCo)
    {
        TestFiles::write(programFolder() + "Option.ini",
                         "[Option]\r\nToolType=" + toolType + "\r\nOemCo=" + oemCo + "\r\n");
    }

    std::unique_ptr<StandInLibrary> installCommands()
    {
        return std::make_unique<StandInLibrary>(StandInLibrary::Kind::Commands,
                                                StandInLibrary::Variant::Full, programFolder());
    }

    QTemporaryDir m_root;
    RecordingDialogs m_dialogs;
    FixedClock m_clock{QDateTime(QDate(2024, 3, 5), QTime(9, 7, 1, 42))};
    TGlobalFunc m_func{m_dialogs, m_clock};
    FakeIdentityDialog m_identityDialog;
};

TEST_F(TGlobalVarTest, KnowsItsFoldersAndCreatesTheUserDataFolder)
{
    writeOptionFile("PelkoPpl", "PelkoPpl_Vasko_PM44ProFull");
    const auto globals = create();
    EXPECT_EQ(globals->ProgramFolder(), programFolder());
    EXPECT_EQ(globals->ConfigFolder(), programFolder());
    EXPECT_EQ(globals->OptionFile(), QStringLiteral("Option.ini"));
    EXPECT_EQ(globals->UserDataFolder(), localAppData() + "Pelko/UserData/");
    EXPECT_TRUE(QDir(globals->UserDataFolder()).exists());
    EXPECT_EQ(globals->PathDelim(), QStringLiteral("/"));
    EXPECT_EQ(globals->LineBreak, QStringLiteral("\r\n"));
    EXPECT_EQ(globals->DebugRoot(), debugDrive() + "kk64253117746652/");
    EXPECT_EQ(TGlobalVar::DebugMarker(debugDrive()),
              debugDrive() + "kk64253117746652/mnote64253117746652.txt");
}

TEST_F(TGlobalVarTest, ReadsTheToolIdentityFromTheOptionFile)
{
    writeOptionFile("PelkoPpl", "PelkoPpl_Vasko_PM44ProFull");
    const auto globals = create();
    EXPECT_EQ(globals->ToolType(), QStringLiteral("PelkoPpl"));
    EXPECT_EQ(globals->OemCo(), QStringLiteral("PelkoPpl_Vasko_PM44ProFull"));
    EXPECT_TRUE(m_dialogs.boxes.empty());
    EXPECT_EQ(m_identityDialog.shown, 0);
}

TEST_F(TGlobalVarTest, AMissingOptionFileIsReportedOncePerKeyAndGivesTheBaseProfile)
{
    const auto globals = create();
    const QString expected =
        QStringLiteral("File %1Option.ini Not File(ERRNO:20191220_152701)").arg(programFolder());
    ASSERT_EQ(m_dialogs.boxes.size(), 2u);
    for (const auto &box : m_dialogs.boxes) {
        EXPECT_EQ(box.text, expected);
        EXPECT_EQ(box.icon, Dialogs::Icon::Error);
    }
    EXPECT_TRUE(globals->ToolType().isEmpty());
    EXPECT_TRUE(globals->OemCo().isEmpty());
    EXPECT_TRUE(globals->CreateProfile({}).DataFolder().isEmpty());
}

TEST_F(TGlobalVarTest, TheProfileIsCreatedOnce)
{
    writeOptionFile("Pelko", "Pelko_Pelko");
    const auto globals = create();
    TOemClass &first = globals->CreateProfile({});
    EXPECT_NE(dynamic_cast<TPelkoPelko *>(&first), nullptr);
    EXPECT_EQ(&globals->CreateProfile({}), &first);
    EXPECT_EQ(globals->OemProfile(), &first);
    EXPECT_TRUE(first.DataFolder().startsWith(localAppData()));
}

struct IdentityCase {
    const char *name;
    bool debugMode;
    const char *chosenToolType;
    const char *chosenOemCo;
    const char *toolType;
    int shown;
};

const IdentityCase kIdentityCases[] = {
    {"DebugChoiceWins", true, "Pelko", "Pelko_Pelko", "Pelko", 1},
    {"DebugWithoutChoiceReadsTheFile", true, "", "", "PelkoPpl", 1},
    {"DebugHalfAChoiceReadsTheFile", true, "Pelko", "", "PelkoPpl", 1},
    {"NormalRunNeverAsks", false, "Pelko", "Pelko_Pelko", "PelkoPpl", 0},
};

class ToolIdentityTest : public TGlobalVarTest, public ::testing::WithParamInterface<IdentityCase>
{
};

TEST_P(ToolIdentityTest, ComesFromTheDialogOnlyInDebugMode)
{
    writeOptionFile("PelkoPpl", "PelkoPpl_Vasko_PM44ProFull");
    m_identityDialog.choice = {GetParam().chosenToolType, GetParam().chosenOemCo};
    const auto globals = create(GetParam().debugMode, GetParam().debugMode);
    EXPECT_EQ(globals->ToolType(), QString::fromLatin1(GetParam().toolType));
    EXPECT_EQ(m_identityDialog.shown, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Rows, ToolIdentityTest, ::testing::ValuesIn(kIdentityCases),
                         [](const auto &info) { return std::string(info.param.name); });

struct DebugCase {
    const char *name;
    bool asked;
    bool answer;
    bool debugMode;
};

class DebugDecisionTest : public TGlobalVarTest, public ::testing::WithParamInterface<DebugCase>
{
};

TEST_P(DebugDecisionTest, DebugModeNeedsTheQuestionAndAYes)
{
    writeOptionFile("PelkoPpl", "PelkoPpl_Vasko_PM44ProFull");
    const auto globals = create(GetParam().asked, GetParam().answer);
    EXPECT_EQ(globals->DebugMode(), GetParam().debugMode);
    const QString base = debugDrive() + "kk64253117746652/Base_Pelko_20191110_084601/";
    const QString logFolder = base + "Log/DebugLog/";
    if (GetParam().debugMode) {
        EXPECT_EQ(globals->DebugBase(), base);
        EXPECT_EQ(globals->LogFolder(), logFolder);
        EXPECT_EQ(globals->LogFileName(), logFolder + "logfile20240305.log");
    } else {
        EXPECT_EQ(globals->DebugBase(), QStringLiteral("x/x\\x"));
        EXPECT_TRUE(globals->LogFolder().isEmpty());
        EXPECT_EQ(globals->LogFileName(), QStringLiteral("logfile20240305.log"));
        EXPECT_FALSE(QDir(debugDrive()).exists());
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, DebugDecisionTest,
                         ::testing::Values(DebugCase{"NotAsked", false, true, false},
                                           DebugCase{"AskedYes", true, true, true},
                                           DebugCase{"AskedNo", true, false, false}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(TGlobalVarTest, DebugModeWritesTwoStartLinesToTheDailyLog)
{
    writeOptionFile("PelkoPpl", "PelkoPpl_Vasko_PM44ProFull");
    const auto globals = create(true, true);
    EXPECT_TRUE(globals->WriteLog(QStringLiteral("third")));
    const QByteArray log = TestFiles::read(globals->LogFileName());
    EXPECT_EQ(QString::fromUtf8(log),
              QStringLiteral("2024-03-05 09:07:01.042:\r\n"
                             "2024-03-05 09:07:01.042:运行时间:2024-03-05 09:07:01-042\r\n"
                             "2024-03-05 09:07:01.042:third\r\n"));
}

TEST_F(TGlobalVarTest, OutsideDebugModeNothingIsLogged)
{
    writeOptionFile("PelkoPpl", "PelkoPpl_Vasko_PM44ProFull");
    const auto globals = create();
    EXPECT_TRUE(globals->WriteLog(QStringLiteral("line")));
    EXPECT_FALSE(QFile::exists(programFolder() + globals->LogFileName()));
    EXPECT_FALSE(QFile::exists(globals->LogFileName()));
}

TEST_F(TGlobalVarTest, AnUnwritableLogReportsFailureAndReleasesTheMutex)
{
    writeOptionFile("PelkoPpl", "PelkoPpl_Vasko_PM44ProFull");
    const auto globals = create(true, true);
    QFile::remove(globals->LogFileName());
    QDir().mkpath(globals->LogFileName()); // a folder in the file's place
    EXPECT_FALSE(globals->WriteLog(QStringLiteral("line")));
    NamedMutex other(QStringLiteral("LOG_Mutex_0E6D16E74D5F41099016BA0F1AD3D876"),
                     m_root.filePath("run"));
    EXPECT_TRUE(other.openedExisting());
    EXPECT_TRUE(other.tryLock());
    other.unlock();
}

TEST_F(TGlobalVarTest, TellsTheCommandsLibraryTheRunsFactsInOrder)
{
    writeOptionFile("PelkoPpl", "PelkoPpl_Vasko_PM44ProFull");
    const auto library = installCommands();
    const auto globals = create();
    EXPECT_EQ(library->calls(),
              (QStringList{"CmdsInit()", "Cmds_SetIsDebug(0)", "Cmds_SetBaseDbgPath()",
                           "Cmds_SetLogFile(logfile20240305.log)", "Cmds_SetToolType(PelkoPpl)",
                           "Cmds_SetOemCo(PelkoPpl_Vasko_PM44ProFull)", "Cmds_TrySetAppToReady()",
                           "Cmds_GetAppIsReady()"}));
}

TEST_F(TGlobalVarTest, InDebugModeTheLibraryLearnsTheLogPlaces)
{
    writeOptionFile("PelkoPpl", "PelkoPpl_Vasko_PM44ProFull");
    const auto library = installCommands();
    const auto globals = create(true, true);
    const QStringList calls = library->calls();
    EXPECT_EQ(calls.value(1), QStringLiteral("Cmds_SetIsDebug(1)"));
    EXPECT_EQ(calls.value(2), "Cmds_SetBaseDbgPath(" + globals->LogFolder() + ")");
    EXPECT_EQ(calls.value(3), "Cmds_SetLogFile(" + globals->LogFileName() + ")");
}

TEST_F(TGlobalVarTest, ModelNamesAndPermissionsGoToTheLibrary)
{
    writeOptionFile("PelkoPpl", "PelkoPpl_Vasko_PM44ProFull");
    const auto library = installCommands();
    library->setPermission(1, true, QStringLiteral("granted"));
    const auto globals = create();
    library->reset();
    globals->SetPrinterNames(QStringLiteral("PM44PRO"));
    const auto permission = globals->QueryPermission(QStringLiteral("436"));
    EXPECT_EQ(permission.result, 1);
    EXPECT_TRUE(permission.granted);
    EXPECT_EQ(permission.message, QStringLiteral("granted"));
    EXPECT_EQ(library->calls(),
              (QStringList{"Cmds_SetPrinterDefName(PM44PRO)", "Cmds_SetPrinterBasName(PM44PRO)",
                           "Cmds_GetPermissionByNo(436)"}));
}

TEST_F(TGlobalVarTest, WithoutTheLibraryThePermissionIsRefused)
{
    writeOptionFile("PelkoPpl", "PelkoPpl_Vasko_PM44ProFull");
    const auto globals = create();
    const auto permission = globals->QueryPermission(QStringLiteral("436"));
    EXPECT_EQ(permission.result, 0);
    EXPECT_FALSE(permission.granted);
    EXPECT_TRUE(permission.message.isEmpty());
}

TEST_F(TGlobalVarTest, ReleaseSaysGoodbyeToTheLibraryOnceAndFreesTheProfile)
{
    writeOptionFile("Pelko", "Pelko_Pelko");
    const auto library = installCommands();
    auto globals = create();
    globals->CreateProfile({});
    EXPECT_TRUE(globals->Release().isEmpty());
    EXPECT_EQ(globals->OemProfile(), nullptr);
    globals.reset();
    EXPECT_EQ(library->calls().count(QStringLiteral("CmdsUnInit()")), 1);
    EXPECT_EQ(library->calls().last(), QStringLiteral("CmdsUnInit()"));
}

TEST_F(TGlobalVarTest, TheBoxesCarryTheirCaptions)
{
    writeOptionFile("PelkoPpl", "PelkoPpl_Vasko_PM44ProFull");
    const auto globals = create();
    globals->ShowErrorBox(QStringLiteral("bad"));
    globals->ShowInfoBox(QStringLiteral("fine"));
    ASSERT_EQ(m_dialogs.boxes.size(), 2u);
    EXPECT_EQ(m_dialogs.boxes[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(m_dialogs.boxes[0].icon, Dialogs::Icon::Error);
    EXPECT_EQ(m_dialogs.boxes[1].caption, QStringLiteral("Info"));
    EXPECT_EQ(m_dialogs.boxes[1].icon, Dialogs::Icon::Information);
}

} // namespace
