#pragma once

#include "Dialogs.h"

// The dialogs service on the window toolkit: message boxes and file dialogs
// owned by whichever window is active, so they open over it.
class QtDialogs : public Dialogs
{
public:
    void ShowMessage(const QString &text, const QString &caption, Icon icon) override;
    bool AskOkCancel(const QString &text, const QString &caption, Icon icon, bool onTop) override;
    QString OpenFileName(const QString &caption, const QString &filter) override;
    QString SaveFileName(const QString &caption, const QString &filter,
                         const QString &suggestedName) override;
};
