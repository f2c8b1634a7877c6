#include "ProgramFixture.h"

#include "SetToolShell.h"
#include "StandInLibrary.h"
#include "TKestVar.h"

#include <QToolButton>

namespace
{

class ModelSelectionTest : public ProgramFixture
{
protected:
    TKestVar &settings() { return *m_program->Core().Settings(); }
    QString storedModel()
    {
        return settings().ReadSysPm(settings().SysPmSection, settings().KeyLastSelPrtName);
    }
    bool filesButtonsShown() const
    {
        return !control<QToolButton>("btnT_Files")->isHidden() &&
               !control<QToolButton>("btnT2_Files")->isHidden();
    }
};

TEST_F(ModelSelectionTest, TheFirstModelIsAppliedWhenTheWindowFirstShows)
{
    Start();
    EXPECT_EQ(settings().GetSelectedModel(), QStringLiteral("PM44PRO FULL"));
    EXPECT_EQ(storedModel(), QStringLiteral("PM44PRO FULL"));
    EXPECT_EQ(settings().Capabilities().FeatureModel(), QStringLiteral("PM44PRO FULL"));
    EXPECT_TRUE(filesButtonsShown());
}

TEST_F(ModelSelectionTest, AChosenModelReachesSettingsGlobalsAndCapabilities)
{
    StandInLibrary commands(StandInLibrary::Kind::Commands, StandInLibrary::Variant::Full,
                            programFolder());
    commands.setPermission(1, true, QString());
    Start();
    commands.reset();
    QStringList applied;
    QObject::connect(&m_program->Shell(), &SetToolShell::modelApplied,
                     [&applied](const QString &model) { applied << model; });

    choose(*control<QComboBox>("cmbPrts"), 1);

    EXPECT_EQ(applied, QStringList{QStringLiteral("PM44PRO")});
    EXPECT_EQ(settings().GetSelectedModel(), QStringLiteral("PM44PRO"));
    EXPECT_EQ(storedModel(), QStringLiteral("PM44PRO"));
    EXPECT_EQ(settings().Capabilities().FeatureModel(), QStringLiteral("PM44PRO"));
    const QStringList calls = commands.calls();
    EXPECT_TRUE(calls.contains(QStringLiteral("Cmds_SetPrinterDefName(PM44PRO)")))
        << calls.join(' ').toStdString();
    EXPECT_TRUE(calls.contains(QStringLiteral("Cmds_SetPrinterBasName(PM44PRO)")));
    EXPECT_TRUE(m_program->Core().Flags().KeyCommandMode);
}

TEST_F(ModelSelectionTest, TheFileManagementButtonFollowsTheModel)
{
    Start();
    auto &models = *control<QComboBox>("cmbPrts");
    choose(models, 1);
    EXPECT_TRUE(control<QToolButton>("btnT_Files")->isHidden());
    EXPECT_TRUE(control<QToolButton>("btnT2_Files")->isHidden());
    choose(models, 0);
    EXPECT_TRUE(filesButtonsShown());
    EXPECT_TRUE(control<QToolButton>("btnT2_Files")->isVisible());
}

TEST_F(ModelSelectionTest, WithoutTheCommandsLibraryKeyCommandsStayOff)
{
    Start();
    choose(*control<QComboBox>("cmbPrts"), 1);
    EXPECT_FALSE(m_program->Core().Flags().KeyCommandMode);
}

} // namespace
