#pragma once

#include "DesktopShell.h"

#include <QDialog>

class QLabel;
class TConstLangV;

// The About window: the program's name, its version and the maker's contact
// lines, all but the name in the window language. The home-page line opens
// in the web browser.
class TfrmAbout : public QDialog
{
    Q_OBJECT

public:
    static constexpr int ClientWidth = 488;
    static constexpr int ClientHeight = 338;

    TfrmAbout(TConstLangV &texts, const QString &programFolder, DesktopShell::Open open,
              QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CreateControls();
    void ApplyTexts();
    QLabel *AddLabel(const char *name);

    TConstLangV &m_texts;
    DesktopShell::Open m_open;
    QLabel *m_homePage = nullptr;
};
