#pragma once

#include <QString>

// Every message box and file dialog of the program goes through this
// service, so models and services can ask the user without knowing the
// window toolkit, and tests answer without a modal box.
class Dialogs
{
public:
    enum class Icon { None, Information, Warning, Error, Question };

    virtual ~Dialogs() = default;

    // A modal box with one OK button.
    virtual void ShowMessage(const QString &text, const QString &caption, Icon icon) = 0;

    // A modal box with OK and Cancel, Cancel preselected; true only for OK.
    // onTop keeps the box above every other window.
    virtual bool AskOkCancel(const QString &text, const QString &caption, Icon icon,
                             bool onTop) = 0;

    // A file chosen to open or to save; empty when the user cancelled.
    // filter is in the toolkit's form, "Parameters (*.prt)".
    virtual QString OpenFileName(const QString &caption, const QString &filter) = 0;
    virtual QString SaveFileName(const QString &caption, const QString &filter,
                                 const QString &suggestedName) = 0;
};
