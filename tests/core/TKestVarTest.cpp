#include "TKestVar.h"
#include "FakePrinterApi.h"
#include "FixedClock.h"
#include "ProcessFlags.h"
#include "RecordingDialogs.h"
#include "TConstVar.h"
#include "TGlobalFunc.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace
{

class TKestVarTest : public ::testing::Test
{
protected:
    QString programFolder() const { return m_folder.filePath(QStringLiteral("program")) + '/'; }
    QString dataFolder() const { return m_folder.filePath(QStringLiteral("data")) + '/'; }
    QString sysPmFile() const { return dataFolder() + QStringLiteral("PrtConfig_SysPm.ini"); }

    std::unique_ptr<TKestVar> create(const QString &data)
    {
        QDir().mkpath(programFolder());
        QDir().mkpath(dataFolder());
        const TKestVar::Setup setup{programFolder(), data, m_folder.filePath("run")};
        return std::make_unique<TKestVar>(setup, m_func, m_constants, m_flags, m_printer);
    }
    std::unique_ptr<TKestVar> create() { return create(dataFolder()); }

    QTemporaryDir m_folder;
    RecordingDialogs m_dialogs;
    FixedClock m_clock;
    TGlobalFunc m_func{m_dialogs, m_clock};
    TConstVar m_constants;
    ProcessFlags m_flags;
    FakePrinterApi m_printer;
};

QByteArray fullSection(const QByteArray &model)
{
    return "[SysPm]\r\nLastSelPrtName=" + model +
           "\r\nPFwVServiceUrlAddr=" + TKestVar::FwServiceAddr().toUtf8() +
           "\r\nCheckPrtFwVerWhenRun=0\r\nCheckPrtFwVerWhenSelPrt=0\r\n";
}

TEST_F(TKestVarTest, FirstRunWritesTheSystemSectionWithItsDefaultsInOrder)
{
    const auto settings = create();
    EXPECT_EQ(TestFiles::read(sysPmFile()), fullSection(""));
    EXPECT_TRUE(TKestVar::FwServiceAddr().endsWith(QStringLiteral("/portal/Pelko/getList")));
    EXPECT_TRUE(settings->LastSelPrtName().isEmpty());
    EXPECT_EQ(settings->CheckFwWhenRun(), QStringLiteral("0"));
    EXPECT_EQ(settings->CheckFwWhenSelPrt(), QStringLiteral("0"));
    EXPECT_TRUE(m_dialogs.boxes.empty());
}

struct SectionCase {
    const char *name;
    const char *before;
    const char *after; // %1 stands for the service address
    const char *lastModel;
};

// Each row: the settings file before start-up, and after it.
const SectionCase kSectionCases[] = {
    {"PartialSectionGetsTheMissingKeys", "[SysPm]\r\nLastSelPrtName=PM44PRO\r\n",
     "[SysPm]\r\nLastSelPrtName=PM44PRO\r\nPFwVServiceUrlAddr=%1\r\nCheckPrtFwVerWhenRun=0\r\n"
     "CheckPrtFwVerWhenSelPrt=0\r\n",
     "PM44PRO"},
    {"CompleteSectionStaysAsItIs",
     "[SysPm]\r\nLastSelPrtName=PM44PRO\r\nPFwVServiceUrlAddr=x\r\nCheckPrtFwVerWhenRun=1\r\n"
     "CheckPrtFwVerWhenSelPrt=1\r\n",
     "[SysPm]\r\nLastSelPrtName=PM44PRO\r\nPFwVServiceUrlAddr=x\r\nCheckPrtFwVerWhenRun=1\r\n"
     "CheckPrtFwVerWhenSelPrt=1\r\n",
     "PM44PRO"},
    {"OtherSectionsStay", "[Mine]\r\na=1\r\n",
     "[Mine]\r\na=1\r\n[SysPm]\r\nLastSelPrtName=\r\nPFwVServiceUrlAddr=%1\r\n"
     "CheckPrtFwVerWhenRun=0\r\nCheckPrtFwVerWhenSelPrt=0\r\n",
     ""},
    {"KeyInOtherCaseKeepsItsValue",
     "[SysPm]\r\nlastselprtname=PM44PRO\r\nPFwVServiceUrlAddr=x\r\nCheckPrtFwVerWhenRun=1\r\n"
     "CheckPrtFwVerWhenSelPrt=1\r\n",
     "[SysPm]\r\nlastselprtname=PM44PRO\r\nPFwVServiceUrlAddr=x\r\nCheckPrtFwVerWhenRun=1\r\n"
     "CheckPrtFwVerWhenSelPrt=1\r\n",
     "PM44PRO"},
    {"SectionInOtherCaseKeepsItsValues", "[SYSPM]\r\nLastSelPrtName=PM44PRO\r\n",
     "[SYSPM]\r\nLastSelPrtName=PM44PRO\r\nPFwVServiceUrlAddr=%1\r\nCheckPrtFwVerWhenRun=0\r\n"
     "CheckPrtFwVerWhenSelPrt=0\r\n",
     "PM44PRO"},
};

class TKestVarSectionTest : public TKestVarTest, public ::testing::WithParamInterface<SectionCase>
{
};

TEST_P(TKestVarSectionTest, AddsOnlyWhatIsMissing)
{
    const SectionCase &row = GetParam();
    TestFiles::write(sysPmFile(), row.before);
    const auto settings = create();
    EXPECT_EQ(TestFiles::read(sysPmFile()),
              QByteArray(row.after).replace("%1", TKestVar::FwServiceAddr().toUtf8()));
    EXPECT_EQ(settings->LastSelPrtName(), QString::fromUtf8(row.lastModel));
}

INSTANTIATE_TEST_SUITE_P(Rows, TKestVarSectionTest, ::testing::ValuesIn(kSectionCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(TKestVarTest, CreatesTheProgramFolderFilesOnlyWhenMissing)
{
    TestFiles::write(programFolder() + QStringLiteral("PrtInfo.ini"), "[Keep]\r\nk=v\r\n");
    create();
    EXPECT_EQ(TestFiles::read(programFolder() + QStringLiteral("PrtInfo.ini")),
              QByteArray("[Keep]\r\nk=v\r\n"));
    EXPECT_TRUE(QFile::exists(programFolder() + QStringLiteral("PrtConfig_User.ini")));
    EXPECT_TRUE(TestFiles::read(programFolder() + QStringLiteral("PrtConfig_User.ini")).isEmpty());
}

TEST_F(TKestVarTest, TheSelectedModelSurvivesARestartInTheFile)
{
    {
        const auto settings = create();
        settings->SetSelectedModel(QStringLiteral("PM44PRO"));
        settings->WriteSysPm(settings->SysPmSection, settings->KeyLastSelPrtName,
                             settings->GetSelectedModel());
    }
    const auto restarted = create();
    EXPECT_EQ(restarted->LastSelPrtName(), QStringLiteral("PM44PRO"));
    EXPECT_TRUE(restarted->GetSelectedModel().isEmpty());
    EXPECT_EQ(restarted->ReadSysPm(QStringLiteral("SysPm"), QStringLiteral("LastSelPrtName")),
              QStringLiteral("PM44PRO"));
}

TEST_F(TKestVarTest, ReadingAndWritingRecreateADeletedFile)
{
    const auto settings = create();
    QFile::remove(sysPmFile());
    EXPECT_TRUE(settings->ReadSysPm(QStringLiteral("SysPm"), QStringLiteral("x")).isEmpty());
    EXPECT_TRUE(QFile::exists(sysPmFile()));
    QFile::remove(sysPmFile());
    settings->WriteSysPm(QStringLiteral("SysPm"), QStringLiteral("x"), QStringLiteral("1"));
    EXPECT_EQ(TestFiles::read(sysPmFile()), QByteArray("[SysPm]\r\nx=1\r\n"));
}

TEST_F(TKestVarTest, AnUnusableSettingsFileIsReportedAndTheRunGoesOn)
{
    QDir().mkpath(sysPmFile()); // a folder where the file belongs
    const auto settings = create();
    EXPECT_TRUE(settings->LastSelPrtName().isEmpty());
    ASSERT_FALSE(m_dialogs.boxes.empty());
    for (const auto &box : m_dialogs.boxes)
        EXPECT_EQ(box.caption, QStringLiteral("Info"));
    EXPECT_TRUE(m_dialogs.boxes.front().text.endsWith(QStringLiteral("(ERRNO:20210803_102300)")));
    EXPECT_TRUE(m_dialogs.boxes.back().text.endsWith(QStringLiteral("(ERRNO:20210803_102301)")));
}

TEST_F(TKestVarTest, WithoutADataFolderTheFileLiesInTheCurrentFolder)
{
    const QString previous = QDir::currentPath();
    QDir().mkpath(m_folder.filePath("cwd"));
    QDir::setCurrent(m_folder.filePath("cwd"));
    const auto settings = create(QString());
    QDir::setCurrent(previous);
    EXPECT_EQ(settings->SysPmFile(), QStringLiteral("PrtConfig_SysPm.ini"));
    EXPECT_TRUE(QFile::exists(m_folder.filePath("cwd/PrtConfig_SysPm.ini")));
}

struct SwitchCase {
    bool keyCommandMode;
    const char *on;
    const char *off;
};

class TKestVarSwitchTest : public TKestVarTest, public ::testing::WithParamInterface<SwitchCase>
{
};

TEST_P(TKestVarSwitchTest, SwitchWordsFollowTheKeyCommandModeWhenAsked)
{
    const auto settings = create();
    m_flags.KeyCommandMode = GetParam().keyCommandMode;
    EXPECT_EQ(settings->SwitchOnWord(), QString::fromUtf8(GetParam().on));
    EXPECT_EQ(settings->SwitchOffWord(), QString::fromUtf8(GetParam().off));
}

INSTANTIATE_TEST_SUITE_P(Rows, TKestVarSwitchTest,
                         ::testing::Values(SwitchCase{true, "1", "0"},
                                           SwitchCase{false, "on", "off"}));

TEST_F(TKestVarTest, CapabilityQuestionsGoToTheTableForTheCurrentModel)
{
    const auto settings = create();
    const QString feature = QStringLiteral("FTNNo_btnT_Files_Visible__01_IsY");
    EXPECT_FALSE(settings->HasFeature(feature));
    settings->Capabilities().SetFeatureModel(QStringLiteral("PM44PRO FULL"));
    QString modelList;
    EXPECT_TRUE(settings->HasFeature(feature, &modelList));
    EXPECT_EQ(modelList, QStringLiteral(",PM44PRO FULL,"));
}

TEST_F(TKestVarTest, HoldsTheFileNameLimitAndTheSecondPrinterRecord)
{
    const auto settings = create();
    EXPECT_EQ(TKestVar::MaxFileNameLength, 128);
    EXPECT_EQ(settings->DevPrt().Handle(), nullptr);
}

TEST_F(TKestVarTest, TwoInstancesShareTheSettingsMutex)
{
    const auto first = create();
    const auto second = create();
    EXPECT_TRUE(first->SettingsMutex().isOpen());
    EXPECT_FALSE(first->SettingsMutex().openedExisting());
    EXPECT_TRUE(second->SettingsMutex().openedExisting());
    EXPECT_TRUE(first->SettingsMutex().filePath().endsWith(
        QStringLiteral("THP_Gypfy_BMA45HJ99242984F2P431Z2OPVD93216.lock")));
}

} // namespace
