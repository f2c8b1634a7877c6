#include "ProgramFixture.h"

#include "PrinterLink.h"
#include "SerialPortRegistry.h"
#include "TGlobalVar.h"
#include "TfrmLPTSet.h"
#include "TfrmNetSet.h"
#include "TfrmRS232Set.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace
{

class PortDialogsTest : public ProgramFixture
{
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        SetTexts({{"FormCOM_Caption", "Serial"},
                  {"FormCOM_lblComNO", "Port:"},
                  {"FormCOM_btnOK", "Use"},
                  {"FormLPT_Caption", "Parallel"},
                  {"FormTCPIP_Caption", "Network"},
                  {"FormETH_lblPort", "Port number:"}});
    }

    template <typename Dialog> Dialog &opened()
    {
        auto *dialog = window().findChild<Dialog *>();
        dialog->show();
        return *dialog;
    }
    template <typename Control> static Control &in(QWidget &dialog, const char *name)
    {
        return *dialog.findChild<Control *>(QString::fromLatin1(name));
    }
    static void select(QWidget &dialog, const char *list, const char *text)
    {
        in<QComboBox>(dialog, list).setCurrentText(QString::fromLatin1(text));
    }
    static void press(QWidget &dialog, const char *button)
    {
        in<QPushButton>(dialog, button).click();
    }

    void chooseType(const char *type)
    {
        auto *types = control<QComboBox>("cbbPortType");
        choose(*types, types->findText(QString::fromLatin1(type)));
    }
    QString currentPort() { return m_program->Link().CurrentPort(); }
    QString registryValue(const QString &port)
    {
        return SerialPortRegistry(m_program->Core().Globals()->UserDataFolder())
            .ReadPortSettings(port);
    }
};

TEST_F(PortDialogsTest, ThePortTypeListStartsAtUsbWithNothingToSet)
{
    Start();
    auto *types = control<QComboBox>("cbbPortType");
    QStringList entries;
    for (int i = 0; i < types->count(); ++i)
        entries << types->itemText(i);
    EXPECT_EQ(entries, QStringList({"USB", "COM", "LPT", "ETHERNET"}));
    EXPECT_EQ(types->currentIndex(), 0);
    EXPECT_FALSE(control<QPushButton>("btnPortSet")->isEnabled());
}

struct TypeCase {
    const char *type;
    const char *descriptor;
    bool settings;
    const char *dialog;
};

class PortTypeTest : public PortDialogsTest, public ::testing::WithParamInterface<TypeCase>
{
};

TEST_P(PortTypeTest, ChoosingATypeMakesItsPortCurrentAndOffersItsDialog)
{
    Start();
    chooseType(GetParam().type);
    EXPECT_EQ(currentPort(), QString::fromLatin1(GetParam().descriptor));
    auto *settings = control<QPushButton>("btnPortSet");
    EXPECT_EQ(settings->isEnabled(), GetParam().settings);
    if (GetParam().settings) {
        EXPECT_EQ(clickAndCloseModal(*settings), QString::fromLatin1(GetParam().dialog));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Types, PortTypeTest,
    ::testing::Values(TypeCase{"USB", "USB", false, ""},
                      TypeCase{"COM", "COM1,115200,n,8,1,c", true, "TfrmRS232Set"},
                      TypeCase{"LPT", "LPT1", true, "TfrmLPTSet"},
                      TypeCase{"ETHERNET", "NET,10.0.20.222", true, "TfrmNetSet"}),
    [](const ::testing::TestParamInfo<TypeCase> &info) { return std::string(info.param.type); });

TEST_F(PortDialogsTest, TheSerialDialogConfirmedAsItOpensTakesTheUsualSettings)
{
    Start();
    auto &serial = opened<TfrmRS232Set>();
    EXPECT_EQ(serial.windowTitle(), QStringLiteral("Serial"));
    EXPECT_EQ(in<QLabel>(serial, "lblComNO").text(), QStringLiteral("Port:"));
    EXPECT_EQ(in<QPushButton>(serial, "btnOK").text(), QStringLiteral("Use"));
    press(serial, "btnOK");
    EXPECT_FALSE(serial.isVisible());
    EXPECT_EQ(currentPort(), QStringLiteral("COM1,115200,n,8,1,c"));
    EXPECT_EQ(registryValue(QStringLiteral("COM1")), QStringLiteral("115200,n,8,1,c"));
}

TEST_F(PortDialogsTest, TheSerialDialogWritesWhatWasChosen)
{
    Start();
    auto &serial = opened<TfrmRS232Set>();
    select(serial, "cmbComNO", "COM2");
    select(serial, "cmbBaudRate", "9600");
    select(serial, "cmbParity", "Odd");
    select(serial, "cmbDataBits", "7");
    select(serial, "cmbStopBits", "2");
    select(serial, "cmbFlowControl", "None");
    press(serial, "btnOK");
    EXPECT_EQ(currentPort(), QStringLiteral("COM2,9600,o,7,2,n"));
    EXPECT_EQ(registryValue(QStringLiteral("COM2")), QStringLiteral("9600,o,7,2,n"));
}

TEST_F(PortDialogsTest, WithoutAParityOrFlowChoiceTheSerialPortHasNoneAndNoFlowField)
{
    Start();
    auto &serial = opened<TfrmRS232Set>();
    in<QComboBox>(serial, "cmbParity").setCurrentIndex(-1);
    in<QComboBox>(serial, "cmbFlowControl").setCurrentIndex(-1);
    press(serial, "btnOK");
    EXPECT_EQ(currentPort(), QStringLiteral("COM1,115200,n,8,1"));
}

TEST_F(PortDialogsTest, CancelChangesNothingAndTheDialogOpensWithTheUsualSettingsAgain)
{
    Start();
    auto &serial = opened<TfrmRS232Set>();
    select(serial, "cmbComNO", "COM5");
    press(serial, "btnCancel");
    EXPECT_EQ(currentPort(), QStringLiteral("USB"));
    EXPECT_TRUE(registryValue(QStringLiteral("COM5")).isEmpty());
    serial.show();
    EXPECT_EQ(in<QComboBox>(serial, "cmbComNO").currentText(), QStringLiteral("COM1"));
}

TEST_F(PortDialogsTest, TheParallelDialogTakesTheChosenPort)
{
    Start();
    auto &parallel = opened<TfrmLPTSet>();
    EXPECT_EQ(parallel.windowTitle(), QStringLiteral("Parallel"));
    select(parallel, "cmbLPT", "LPT3");
    press(parallel, "btnOK");
    EXPECT_EQ(currentPort(), QStringLiteral("LPT3"));
    parallel.show();
    EXPECT_EQ(in<QComboBox>(parallel, "cmbLPT").currentText(), QStringLiteral("LPT1"));
}

TEST_F(PortDialogsTest, TheNetworkDialogJoinsItsFieldsAsTypedAndKeepsThem)
{
    Start();
    auto &network = opened<TfrmNetSet>();
    EXPECT_EQ(network.windowTitle(), QStringLiteral("Network"));
    EXPECT_EQ(in<QLineEdit>(network, "txtPort").text(), QStringLiteral("9100"));
    for (const char *field : {"txtIP1", "txtIP2", "txtIP3", "txtIP4"})
        in<QLineEdit>(network, field).clear();
    press(network, "btnOK");
    EXPECT_EQ(currentPort(), QStringLiteral("NET,..."));

    network.show();
    QLineEdit &first = in<QLineEdit>(network, "txtIP1");
    QTest::keyClicks(&first, QStringLiteral("1x9.2-"));
    EXPECT_EQ(first.text(), QStringLiteral("192"));
    press(network, "btnOK");
    EXPECT_EQ(currentPort(), QStringLiteral("NET,192..."));
}

TEST_F(PortDialogsTest, TheUserCanGoBackToUsbAndFindsTheConfirmedPortAgain)
{
    Start();
    chooseType("COM");
    auto &serial = opened<TfrmRS232Set>();
    select(serial, "cmbComNO", "COM3");
    press(serial, "btnOK");
    chooseType("USB");
    EXPECT_EQ(currentPort(), QStringLiteral("USB"));
    chooseType("COM");
    EXPECT_EQ(currentPort(), QStringLiteral("COM3,115200,n,8,1,c"));
}

TEST_F(PortDialogsTest, ANewPortLetsTheHeldOneGoSoTheNextExchangeReachesTheNewPrinter)
{
    Start();
    ASSERT_TRUE(m_program->Link().PortHeld());
    auto &parallel = opened<TfrmLPTSet>();
    press(parallel, "btnOK");
    EXPECT_FALSE(m_program->Link().PortHeld());
    EXPECT_EQ(m_printer.functions().back(), QStringLiteral("PortClose"));
    click(QStringLiteral("btnT2_Test"));
    EXPECT_EQ(m_printer.calls.back().descriptor, QStringLiteral("LPT1"));
    EXPECT_TRUE(m_program->Link().PortHeld());
}

TEST_F(PortDialogsTest, TheSimulatorIsOfferedOnlyWhenAskedFor)
{
    Start({UtilityProgram::SimulatorSwitch});
    auto *types = control<QComboBox>("cbbPortType");
    EXPECT_EQ(types->itemText(types->count() - 1), QStringLiteral("SIM"));
    EXPECT_FALSE(control<QPushButton>("btnPortSet")->isEnabled());
    chooseType("USB");
    EXPECT_EQ(currentPort(), QStringLiteral("USB"));
    chooseType("SIM");
    EXPECT_EQ(currentPort(), QStringLiteral("SIM"));
}

} // namespace
