#include "TfrmTestCfg.h"

#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace
{

class IdentityDialogTest : public ::testing::Test
{
protected:
    void SetUp() override { m_dialog.show(); }

    template <typename Control> Control *control(const char *name)
    {
        return m_dialog.findChild<Control *>(QString::fromLatin1(name));
    }
    QTimer *closeTimer() { return control<QTimer>("tmCloseF"); }

    TfrmTestCfg m_dialog;
};

TEST_F(IdentityDialogTest, ChangeTakesThePreselectedIdentity)
{
    EXPECT_EQ(control<QComboBox>("cmbToolType")->currentText(), QStringLiteral("Pelko"));
    EXPECT_EQ(control<QComboBox>("cmbOemCo")->currentText(), QStringLiteral("Pelko_Pelko"));
    control<QPushButton>("btnChange")->click();
    EXPECT_EQ(m_dialog.Result().toolType, QStringLiteral("Pelko"));
    EXPECT_EQ(m_dialog.Result().oemCo, QStringLiteral("Pelko_Pelko"));
    EXPECT_FALSE(m_dialog.isVisible());
}

TEST_F(IdentityDialogTest, OkAndCancelCloseWithoutAChoice)
{
    for (const char *button : {"btnOk", "btnCancel"}) {
        m_dialog.show();
        control<QPushButton>(button)->click();
        EXPECT_FALSE(m_dialog.isVisible()) << button;
        EXPECT_TRUE(m_dialog.Result().toolType.isEmpty()) << button;
        EXPECT_TRUE(m_dialog.Result().oemCo.isEmpty()) << button;
    }
}

TEST_F(IdentityDialogTest, ItClosesItselfOneSecondAfterShowing)
{
    ASSERT_TRUE(closeTimer()->isActive());
    EXPECT_EQ(closeTimer()->interval(), TfrmTestCfg::CloseAfterMs);
    // The tick itself, without spending the second.
    closeTimer()->start(0);
    QCoreApplication::processEvents();
    EXPECT_FALSE(m_dialog.isVisible());
    EXPECT_TRUE(m_dialog.Result().oemCo.isEmpty());
}

TEST_F(IdentityDialogTest, ADoubleClickInTheNotesKeepsItOpen)
{
    QTest::mouseDClick(control<QPlainTextEdit>("mmoA")->viewport(), Qt::LeftButton);
    EXPECT_FALSE(closeTimer()->isActive());
    EXPECT_TRUE(m_dialog.isVisible());
}

} // namespace
