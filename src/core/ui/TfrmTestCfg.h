#pragma once

#include "IdentityDialog.h"

#include <QDialog>

class QComboBox;
class QPlainTextEdit;
class QTimer;

// The debug run's identity dialog: a developer may pick another customer's
// tool identity. It closes by itself one second after it appears unless the
// developer double-clicks its notes first.
class TfrmTestCfg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int ClientWidth = 554;
    static constexpr int ClientHeight = 290;
    static constexpr int CloseAfterMs = 1000;

    explicit TfrmTestCfg(QWidget *parent = nullptr);

    // Both texts stay empty unless "Change" was pressed with both chosen.
    const IdentityDialog::Choice &Result() const { return m_result; }

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *CreateIdentityPage();
    QWidget *CreateToolBarPage();
    void btnChangeClick();

    IdentityDialog::Choice m_result;
    QPlainTextEdit *m_notes = nullptr;
    QComboBox *m_toolType = nullptr;
    QComboBox *m_oemCo = nullptr;
    QTimer *m_closeTimer = nullptr;
};
