#include "ProgramFixture.h"

#include "PrinterLink.h"
#include "SetToolShell.h"
#include "TGlobalVar.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>

namespace
{

class StartUpTest : public ProgramFixture
{
protected:
    void placeDebugMarker()
    {
        const QString marker = TGlobalVar::DebugMarker(debugDrive());
        QDir().mkpath(QFileInfo(marker).path());
        QFile(marker).open(QIODevice::WriteOnly);
    }
};

// Notes how many boxes had been asked when the identity was asked for.
class OrderedIdentityDialog : public IdentityDialog
{
public:
    explicit OrderedIdentityDialog(const RecordingDialogs &dialogs) : m_dialogs(dialogs) {}
    Choice RunIdentityDialog() override
    {
        boxesBefore = m_dialogs.boxes.size();
        return {};
    }
    size_t boxesBefore = 0;

private:
    const RecordingDialogs &m_dialogs;
};

TEST_F(StartUpTest, DebugQuestionsComeInTheOrderOfTheObjectsAndTheWindowLanguageAtFirstShow)
{
    placeDebugMarker();
    OrderedIdentityDialog identity(m_dialogs);
    m_identityDialog = &identity;
    StartUp();
    ASSERT_EQ(m_dialogs.texts(),
              QStringList({"Enter DMode?", "2222:add 2052 to strLanIDList____x?"}));
    EXPECT_EQ(identity.boxesBefore, 1u);
    EXPECT_TRUE(m_program->Core().Globals()->DebugMode());

    window().show();
    EXPECT_EQ(m_dialogs.texts().value(2), QStringLiteral("1111 add 2052 to strLanIDList____x?"));
}

TEST_F(StartUpTest, WithoutTheMarkerNothingIsAsked)
{
    Start();
    EXPECT_TRUE(m_dialogs.boxes.empty());
    EXPECT_EQ(m_identity.shown, 0);
    EXPECT_FALSE(m_program->Core().Globals()->DebugMode());
}

TEST_F(StartUpTest, TheOtherWindowsFollowTheMainWindowHiddenAndOwnedByIt)
{
    StartUp();
    EXPECT_FALSE(window().isVisible());
    QStringList owned;
    for (QObject *child : window().children()) {
        if (auto *dialog = qobject_cast<QDialog *>(child)) {
            owned << dialog->objectName();
            EXPECT_FALSE(dialog->isVisible()) << dialog->objectName().toStdString();
        }
    }
    EXPECT_EQ(owned, QStringList({"TfrmLPTSet", "TfrmNetSet", "TfrmRS232Set", "TfrmAbout"}));
}

TEST_F(StartUpTest, ClosingTheMainWindowReleasesTheProcessWideObjects)
{
    Start();
    bool settingsWhenAnnounced = false;
    QObject::connect(&m_program->Shell(), &SetToolShell::shuttingDown,
                     [&] { settingsWhenAnnounced = m_program->Core().Settings() != nullptr; });
    window().close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_EQ(m_program->MainWindow(), nullptr);
    EXPECT_TRUE(settingsWhenAnnounced);
    EXPECT_EQ(m_program->Core().Settings(), nullptr);
    EXPECT_EQ(m_program->Core().Texts(), nullptr);
    EXPECT_EQ(m_program->Core().Globals(), nullptr);
    EXPECT_TRUE(m_dialogs.boxes.empty());
}

struct SwitchCase {
    const char *name;
    QStringList arguments;
    bool simulator;
    bool service;
    bool factory;
};

class ProgramSwitchTest : public StartUpTest, public ::testing::WithParamInterface<SwitchCase>
{
};

TEST_P(ProgramSwitchTest, TheSimulatorSwitchCountsAnywhereAndHidesFromTheOthers)
{
    Start(GetParam().arguments);
    EXPECT_EQ(m_program->Simulator(), GetParam().simulator);
    EXPECT_EQ(m_program->Core().Flags().ServiceMode, GetParam().service);
    EXPECT_EQ(m_program->Core().Flags().FactoryMode, GetParam().factory);
    const QString port = GetParam().simulator ? QStringLiteral("SIM") : QStringLiteral("USB");
    EXPECT_EQ(m_program->Link().CurrentPort(), port);
    EXPECT_EQ(control<QComboBox>("cbbPortType")->currentText(), port);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, ProgramSwitchTest,
    ::testing::Values(
        SwitchCase{"None", {}, false, false, false},
        SwitchCase{"SimulatorAlone", {"--simulator"}, true, false, false},
        SwitchCase{"SimulatorBeforeService", {"--simulator", "-Qlm4vud"}, true, true, false},
        SwitchCase{"SimulatorAfterFactory", {"-Bench7x", "--simulator"}, true, false, true},
        SwitchCase{"FactorySecond", {"-EN", "-Bench7x"}, false, false, false},
        SwitchCase{"SimulatorInOtherCase", {"--Simulator"}, false, false, false}),
    [](const ::testing::TestParamInfo<SwitchCase> &info) { return info.param.name; });

} // namespace
