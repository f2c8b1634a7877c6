#include "ProgramFixture.h"

#include "PrinterLink.h"

#include <QPlainTextEdit>

namespace
{

const LanguageFolder::Entries kStateTexts = {
    {"PState0", "Ready"},     {"PState1", "Head open"}, {"PState3", "No paper"},
    {"PState5", "No ribbon"}, {"PState7", "Too hot"},   {"PState9", "Cutter fault"},
};

class PrinterStateTest : public ProgramFixture
{
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        SetTexts(kStateTexts);
        SetTableTexts({{"Lang_All_00210367_11", "Paused"}});
    }

    QPlainTextEdit *stateBox() const { return control<QPlainTextEdit>("txtPrinterState"); }
};

struct StateCase {
    const char *name;
    QByteArray reply;
    QStringList lines;
};

class StateLinesTest : public PrinterStateTest, public ::testing::WithParamInterface<StateCase>
{
};

TEST_P(StateLinesTest, EveryClearedBitListsItsConditionInTableOrder)
{
    m_printer.reads = {{0, GetParam().reply}};
    Start();
    click(QStringLiteral("btnGetState"));
    EXPECT_EQ(stateBox()->toPlainText(), GetParam().lines.join(u'\n'));
}

INSTANTIATE_TEST_SUITE_P(
    Replies, StateLinesTest,
    ::testing::Values(
        StateCase{"ReadyPrinter", QByteArray::fromHex("ea02000000"), {"Ready"}},
        StateCase{"EveryBitSet", QByteArray::fromHex("ffff"), {"Ready"}},
        StateCase{"EveryBitClear",
                  QByteArray::fromHex("0000000000"),
                  {"Head open", "No paper", "No ribbon", "Paused", "Too hot", "Cutter fault"}},
        StateCase{"PaperOut", QByteArray::fromHex("f7ff000000"), {"No paper"}},
        StateCase{"CutterFault", QByteArray::fromHex("fffd000000"), {"Cutter fault"}},
        StateCase{"HeadOpenAndPaused", QByteArray::fromHex("bdff000000"), {"Head open", "Paused"}},
        // The missing second byte reports no cutter fault of its own.
        StateCase{"OneByteOnly",
                  QByteArray::fromHex("00"),
                  {"Head open", "No paper", "No ribbon", "Paused", "Too hot"}}),
    [](const ::testing::TestParamInfo<StateCase> &info) { return info.param.name; });

TEST_F(PrinterStateTest, TheStateIsAskedForWithItsOwnCommandAndThePortIsReleased)
{
    m_printer.reads = {{0, QByteArray::fromHex("ea02000000")}};
    Start();
    click(QStringLiteral("btnGetState"));
    ASSERT_FALSE(m_printer.writes().empty());
    EXPECT_TRUE(m_printer.writes().back().contains("getval \"printer_status\""));
    EXPECT_FALSE(m_program->Link().PortHeld());
}

TEST_F(PrinterStateTest, NoAnswerLeavesTheStateBoxAsItWas)
{
    Start();
    stateBox()->setPlainText(QStringLiteral("earlier"));
    click(QStringLiteral("btnGetState"));
    EXPECT_EQ(stateBox()->toPlainText(), QStringLiteral("earlier"));
    EXPECT_TRUE(m_dialogs.boxes.empty());
}

TEST_F(PrinterStateTest, APortThatDoesNotOpenIsReportedAndNothingIsAsked)
{
    m_printer.openStatuses = {0, -331};
    Start();
    const auto writesBefore = m_printer.writes().size();
    click(QStringLiteral("btnGetState"));
    EXPECT_EQ(m_printer.writes().size(), writesBefore);
    ASSERT_EQ(m_dialogs.boxes.size(), 1u);
    EXPECT_EQ(m_dialogs.boxes[0].text, QStringLiteral("Port closed:-331"));
    EXPECT_EQ(m_dialogs.boxes[0].caption, QStringLiteral("Fault"));
}

TEST_F(PrinterStateTest, TheVirtualPrinterReportsItselfReady)
{
    m_printerApi = &m_library;
    Start({UtilityProgram::SimulatorSwitch});
    click(QStringLiteral("btnGetState"));
    EXPECT_EQ(stateBox()->toPlainText(), QStringLiteral("Ready"));
    EXPECT_TRUE(m_dialogs.boxes.empty());
}

} // namespace
