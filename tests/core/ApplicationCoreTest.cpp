#include "ApplicationCore.h"
#include "FakeIdentityDialog.h"
#include "FakePrinterApi.h"
#include "FakeSystemLanguage.h"
#include "FixedClock.h"
#include "NamedMutex.h"
#include "PelkoPpl_Vasko_PM44ProFull.h"
#include "RecordingDialogs.h"
#include "StandInLibrary.h"
#include "TConstLangV.h"
#include "TConstVar.h"
#include "TGlobalFunc.h"
#include "TGlobalVar.h"
#include "TKestVar.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace
{

class ApplicationCoreTest : public ::testing::Test
{
protected:
    QString programFolder() const { return m_root.filePath("program/"); }
    QString localAppData() const { return m_root.filePath("local/"); }
    QString debugDrive() const { return m_root.filePath("drive/"); }

    void SetUp() override
    {
        QDir().mkpath(programFolder());
        TestFiles::write(programFolder() + "Option.ini",
                         "[Option]\r\nToolType=PelkoPpl\r\nOemCo=PelkoPpl_Vasko_PM44ProFull\r\n");
        TestFiles::write(programFolder() + "UtilityLanguage.ini",
                         "[LanguageCollect]\r\nList=1033,2052\r\nDefaultLanguageID=1033\r\n");
    }

    std::unique_ptr<ApplicationCore> create(const QStringList &arguments = {"prog"})
    {
        const ApplicationCore::Environment environment{arguments, programFolder(), localAppData(),
                                                       debugDrive(), m_root.filePath("run")};
        return std::make_unique<ApplicationCore>(
            environment,
            ApplicationCore::Services{m_dialogs, m_clock, m_system, m_printer, &m_identityDialog});
    }

    void placeDebugMarker() { TestFiles::write(TGlobalVar::DebugMarker(debugDrive()), ""); }

    std::unique_ptr<StandInLibrary> install(StandInLibrary::Kind kind)
    {
        return std::make_unique<StandInLibrary>(kind, StandInLibrary::Variant::Full,
                                                programFolder());
    }

    QTemporaryDir m_root;
    RecordingDialogs m_dialogs;
    FixedClock m_clock{QDateTime(QDate(2024, 3, 5), QTime(9, 0))};
    FakeSystemLanguage m_system;
    FakePrinterApi m_printer;
    FakeIdentityDialog m_identityDialog;
};

TEST_F(ApplicationCoreTest, BeforeStartUpNothingExists)
{
    const auto core = create();
    EXPECT_EQ(core->Func(), nullptr);
    EXPECT_EQ(core->Constants(), nullptr);
    EXPECT_EQ(core->Globals(), nullptr);
    EXPECT_EQ(core->Texts(), nullptr);
    EXPECT_EQ(core->Settings(), nullptr);
    EXPECT_EQ(ApplicationCore::Title(), QStringLiteral("Vasko PM44PRO FULL Utility"));
}

TEST_F(ApplicationCoreTest, StartUpCreatesEveryObjectAndPlacesTheSettingsInTheProfileFolder)
{
    const auto core = create();
    core->StartUp();
    ASSERT_NE(core->Settings(), nullptr);
    EXPECT_NE(core->Func(), nullptr);
    EXPECT_NE(core->Constants(), nullptr);
    EXPECT_NE(core->Texts(), nullptr);
    TOemClass *profile = core->Globals()->OemProfile();
    EXPECT_NE(dynamic_cast<PelkoPpl_Vasko_PM44ProFull *>(profile), nullptr);
    EXPECT_EQ(core->Settings()->SysPmFile(), profile->DataFolder() + "PrtConfig_SysPm.ini");
    EXPECT_TRUE(QFile::exists(core->Settings()->SysPmFile()));
    EXPECT_EQ(core->Globals()->SettingsMutex(), &core->Settings()->SettingsMutex());
    EXPECT_TRUE(m_dialogs.boxes.empty());
    EXPECT_FALSE(core->Globals()->DebugMode());
}

struct ArgumentCase {
    const char *name;
    QStringList arguments;
    bool factory;
    bool service;
    const char *tableLanguage;
};

class StartUpArgumentTest : public ApplicationCoreTest,
                            public ::testing::WithParamInterface<ArgumentCase>
{
};

TEST_P(StartUpArgumentTest, OnlyTheFirstArgumentCounts)
{
    m_system.id = 1033;
    const auto core = create(GetParam().arguments);
    core->StartUp();
    EXPECT_EQ(core->Flags().FactoryMode, GetParam().factory);
    EXPECT_EQ(core->Flags().ServiceMode, GetParam().service);
    EXPECT_EQ(core->Flags().ZoneByte(), GetParam().factory ? 0 : 1);
    EXPECT_EQ(core->Texts()->TableLanguage(), QString::fromLatin1(GetParam().tableLanguage));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StartUpArgumentTest,
    ::testing::Values(ArgumentCase{"NoArguments", {"prog"}, false, false, "1033"},
                      ArgumentCase{"Factory", {"prog", "-Bench7x"}, true, false, "1033"},
                      ArgumentCase{
                          "FactorySecond", {"prog", "-CN", "-Bench7x"}, false, false, "2052"},
                      ArgumentCase{"Service", {"prog", "-Qlm4vud"}, false, true, "1033"},
                      ArgumentCase{"Chinese", {"prog", "-CN"}, false, false, "2052"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ApplicationCoreTest, WithTheMarkerCancelKeepsDebugOffButTheLanguageQuestionsCome)
{
    placeDebugMarker();
    m_dialogs.defaultAnswer = false;
    const auto core = create();
    core->StartUp();
    EXPECT_FALSE(core->Globals()->DebugMode());
    ASSERT_EQ(m_dialogs.boxes.size(), 2u);
    EXPECT_EQ(m_dialogs.boxes[0].text, QStringLiteral("Enter DMode?"));
    EXPECT_EQ(m_dialogs.boxes[1].text, QStringLiteral("2222:add 2052 to strLanIDList____x?"));
    EXPECT_EQ(m_identityDialog.shown, 0);
}

TEST_F(ApplicationCoreTest, WithTheMarkerOkStartsDebugModeWithItsLog)
{
    placeDebugMarker();
    m_dialogs.answers = {true, false};
    const auto core = create();
    core->StartUp();
    EXPECT_TRUE(core->Globals()->DebugMode());
    EXPECT_EQ(m_identityDialog.shown, 1);
    EXPECT_EQ(core->Texts()->TableLanguage(), QStringLiteral("2052"));
    EXPECT_TRUE(QFile::exists(core->Globals()->LogFileName()));
}

TEST_F(ApplicationCoreTest, WithoutTheOptionFileTheBaseProfileKeepsSettingsInTheCurrentFolder)
{
    QFile::remove(programFolder() + "Option.ini");
    const QString previous = QDir::currentPath();
    QDir::setCurrent(m_root.path());
    const auto core = create();
    core->StartUp();
    QDir::setCurrent(previous);
    EXPECT_EQ(m_dialogs.boxes.size(), 2u);
    EXPECT_TRUE(core->Globals()->OemProfile()->DataFolder().isEmpty());
    EXPECT_TRUE(QFile::exists(m_root.filePath("PrtConfig_SysPm.ini")));
}

TEST_F(ApplicationCoreTest, StartUpCallsBothLibrariesInOrder)
{
    const auto commands = install(StandInLibrary::Kind::Commands);
    const auto language = install(StandInLibrary::Kind::Language);
    const auto core = create();
    core->StartUp();
    EXPECT_EQ(commands->calls().first(), QStringLiteral("CmdsInit()"));
    EXPECT_EQ(commands->calls().last(), QStringLiteral("Cmds_GetAppIsReady()"));
    EXPECT_EQ(language->calls().first(), QStringLiteral("LangInit()"));
    EXPECT_EQ(language->calls().last(),
              QStringLiteral("Lang_SetOemCo(PelkoPpl_Vasko_PM44ProFull)"));
}

TEST_F(ApplicationCoreTest, ShutDownReleasesInItsOrderAndEmptiesEveryReference)
{
    const auto commands = install(StandInLibrary::Kind::Commands);
    const auto language = install(StandInLibrary::Kind::Language);
    const auto core = create();
    core->StartUp();
    EXPECT_EQ(core->ShutDownSequence().Names(),
              (QStringList{"settings", "language table", "application globals", "utilities",
                           "value-word constants"}));
    EXPECT_TRUE(core->ShutDown().isEmpty());
    EXPECT_EQ(core->Settings(), nullptr);
    EXPECT_EQ(core->Texts(), nullptr);
    EXPECT_EQ(core->Globals(), nullptr);
    EXPECT_EQ(core->Func(), nullptr);
    EXPECT_EQ(core->Constants(), nullptr);
    EXPECT_EQ(commands->calls().last(), QStringLiteral("CmdsUnInit()"));
    EXPECT_EQ(language->calls().last(), QStringLiteral("LangUnInit()"));
    EXPECT_TRUE(core->ShutDown().isEmpty());
    EXPECT_EQ(commands->calls().count(QStringLiteral("CmdsUnInit()")), 1);
}

struct SelectionCase {
    const char *name;
    bool library;
    int permission;
    bool keyCommandMode;
    const char *on;
};

class ModelSelectionTest : public ApplicationCoreTest,
                           public ::testing::WithParamInterface<SelectionCase>
{
};

TEST_P(ModelSelectionTest, ReachesSettingsLibraryTableAndKeyCommandMode)
{
    std::unique_ptr<StandInLibrary> commands;
    if (GetParam().library) {
        commands = install(StandInLibrary::Kind::Commands);
        commands->setPermission(GetParam().permission, GetParam().permission == 1, QString());
    }
    const auto core = create();
    core->StartUp();
    core->ApplyModelSelection(QStringLiteral("PM44PRO FULL"));
    TKestVar &settings = *core->Settings();
    EXPECT_EQ(settings.GetSelectedModel(), QStringLiteral("PM44PRO FULL"));
    EXPECT_EQ(settings.ReadSysPm("SysPm", "LastSelPrtName"), QStringLiteral("PM44PRO FULL"));
    EXPECT_TRUE(settings.HasFeature(QStringLiteral("FTNNo_btnT_Files_Visible__01_IsY")));
    EXPECT_EQ(core->Flags().KeyCommandMode, GetParam().keyCommandMode);
    EXPECT_EQ(settings.SwitchOnWord(), QString::fromLatin1(GetParam().on));
    if (commands) {
        EXPECT_TRUE(commands->calls().contains("Cmds_SetPrinterDefName(PM44PRO FULL)"));
        EXPECT_TRUE(commands->calls().contains("Cmds_GetPermissionByNo(436)"));
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, ModelSelectionTest,
                         ::testing::Values(SelectionCase{"NoLibrary", false, 0, false, "on"},
                                           SelectionCase{"Granted", true, 1, true, "1"},
                                           SelectionCase{"Refused", true, 0, false, "on"},
                                           SelectionCase{"OtherAnswer", true, 2, false, "on"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ApplicationCoreTest, ASecondInstanceSharesBothNamedMutexes)
{
    const auto first = create();
    first->StartUp();
    const auto second = create();
    second->StartUp();
    EXPECT_TRUE(second->Globals()->LogMutex().openedExisting());
    EXPECT_TRUE(second->Settings()->SettingsMutex().openedExisting());
    EXPECT_EQ(second->Globals()->LogMutex().filePath(), first->Globals()->LogMutex().filePath());
}

} // namespace
