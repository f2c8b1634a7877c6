#pragma once

#include "Dialogs.h"

#include <iosfwd>

class ConsoleReport;

// Message boxes of a command-line run: notices become lines on standard
// output, errors the tool's error line. Nobody is there to answer a
// question or pick a file, so questions are answered Cancel and file
// dialogs choose nothing; the command line names its files itself.
class ConsoleDialogs : public Dialogs
{
public:
    ConsoleDialogs(std::ostream &out, ConsoleReport &report) : m_out(out), m_report(report) {}

    void ShowMessage(const QString &text, const QString &caption, Icon icon) override;
    bool AskOkCancel(const QString &text, const QString &caption, Icon icon, bool onTop) override;
    QString OpenFileName(const QString &caption, const QString &filter) override;
    QString SaveFileName(const QString &caption, const QString &filter,
                         const QString &suggestedName) override;

private:
    std::ostream &m_out;
    ConsoleReport &m_report;
};
