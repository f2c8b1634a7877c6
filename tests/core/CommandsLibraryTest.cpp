#include "CommandsLibrary.h"
#include "StandInLibrary.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{

class CommandsLibraryTest : public ::testing::Test
{
protected:
    QString programFolder() const { return m_folder.path() + QStringLiteral("/"); }

    QTemporaryDir m_folder;
};

void callEveryEntryPoint(CommandsLibrary &library)
{
    library.Init();
    library.SetIsDebug(true);
    library.SetBaseDbgPath(QStringLiteral("/kk/Log/DebugLog/"));
    library.SetLogFile(QStringLiteral("logfile20240101.log"));
    library.SetToolType(QStringLiteral("PelkoPpl"));
    library.SetOemCo(QStringLiteral("PelkoPpl_Vasko_PM44ProFull"));
    library.TrySetAppToReady();
    library.GetAppIsReady();
    library.SetPrinterDefName(QStringLiteral("PM44PRO FULL"));
    library.SetPrinterBasName(QStringLiteral("PM44PRO"));
    library.GetPermissionByNo(QStringLiteral("436"));
    library.UnInit();
}

TEST_F(CommandsLibraryTest, WithoutItsFileEveryCallIsSkipped)
{
    CommandsLibrary library(programFolder());
    EXPECT_FALSE(library.FileExists());
    EXPECT_FALSE(library.Load());
    callEveryEntryPoint(library);
    const auto permission = library.GetPermissionByNo(QStringLiteral("436"));
    EXPECT_EQ(permission.result, 0);
    EXPECT_FALSE(permission.granted);
    EXPECT_TRUE(permission.message.isEmpty());
    EXPECT_TRUE(library.Unload());
}

TEST_F(CommandsLibraryTest, HandsEveryCallAndItsArgumentsToTheLibrary)
{
    StandInLibrary standIn(StandInLibrary::Kind::Commands, StandInLibrary::Variant::Full,
                           programFolder());
    CommandsLibrary library(programFolder());
    ASSERT_TRUE(library.Load());
    callEveryEntryPoint(library);
    EXPECT_EQ(
        standIn.calls(),
        (QStringList{"CmdsInit()", "Cmds_SetIsDebug(1)", "Cmds_SetBaseDbgPath(/kk/Log/DebugLog/)",
                     "Cmds_SetLogFile(logfile20240101.log)", "Cmds_SetToolType(PelkoPpl)",
                     "Cmds_SetOemCo(PelkoPpl_Vasko_PM44ProFull)", "Cmds_TrySetAppToReady()",
                     "Cmds_GetAppIsReady()", "Cmds_SetPrinterDefName(PM44PRO FULL)",
                     "Cmds_SetPrinterBasName(PM44PRO)", "Cmds_GetPermissionByNo(436)",
                     "CmdsUnInit()"}));
    EXPECT_TRUE(library.Unload());
}

TEST_F(CommandsLibraryTest, DebugModeOffIsHandedOverAsZero)
{
    StandInLibrary standIn(StandInLibrary::Kind::Commands, StandInLibrary::Variant::Full,
                           programFolder());
    CommandsLibrary library(programFolder());
    ASSERT_TRUE(library.Load());
    library.SetIsDebug(false);
    EXPECT_EQ(standIn.calls(), QStringList{"Cmds_SetIsDebug(0)"});
}

TEST_F(CommandsLibraryTest, ReturnsThePermissionAnswerAndMessage)
{
    StandInLibrary standIn(StandInLibrary::Kind::Commands, StandInLibrary::Variant::Full,
                           programFolder());
    standIn.setPermission(1, true, QStringLiteral("允许 granted"));
    CommandsLibrary library(programFolder());
    ASSERT_TRUE(library.Load());
    const auto permission = library.GetPermissionByNo(QStringLiteral("436"));
    EXPECT_EQ(permission.result, 1);
    EXPECT_TRUE(permission.granted);
    EXPECT_EQ(permission.message, QStringLiteral("允许 granted"));
}

TEST_F(CommandsLibraryTest, ALongPermissionNumberIsCutToTheBuffer)
{
    StandInLibrary standIn(StandInLibrary::Kind::Commands, StandInLibrary::Variant::Full,
                           programFolder());
    CommandsLibrary library(programFolder());
    ASSERT_TRUE(library.Load());
    library.GetPermissionByNo(QString(300, u'9'));
    EXPECT_EQ(standIn.calls(),
              QStringList{QStringLiteral("Cmds_GetPermissionByNo(%1)").arg(QString(254, u'9'))});
}

TEST_F(CommandsLibraryTest, SkipsOnlyTheEntryPointsTheLibraryLacks)
{
    StandInLibrary standIn(StandInLibrary::Kind::Commands, StandInLibrary::Variant::Partial,
                           programFolder());
    CommandsLibrary library(programFolder());
    ASSERT_TRUE(library.Load());
    callEveryEntryPoint(library);
    EXPECT_EQ(
        standIn.calls(),
        (QStringList{"CmdsInit()", "Cmds_SetIsDebug(1)", "Cmds_SetBaseDbgPath(/kk/Log/DebugLog/)",
                     "Cmds_SetToolType(PelkoPpl)", "Cmds_SetOemCo(PelkoPpl_Vasko_PM44ProFull)",
                     "Cmds_TrySetAppToReady()", "Cmds_GetAppIsReady()",
                     "Cmds_SetPrinterDefName(PM44PRO FULL)", "CmdsUnInit()"}));
    EXPECT_EQ(library.GetPermissionByNo(QStringLiteral("436")).result, 0);
}

} // namespace
