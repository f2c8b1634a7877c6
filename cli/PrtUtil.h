#pragma once

#include "CommandProtocol.h"
#include "ConfigCommand.h"
#include "ConsoleMessages.h"
#include "ConsoleReport.h"
#include "PrinterLink.h"

#include <QString>
#include <QStringList>

#include <iosfwd>

// The command-line tool: reads a printer's values, sets them, runs its
// functions and reads or writes whole parameter files through the same link
// and services the window uses.
class PrtUtil
{
public:
    // languageFile: where the English texts of notices come from; without
    // one the notices show their language keys.
    PrtUtil(PrinterApi &api, Sleeper &sleeper, std::ostream &out, std::ostream &err,
            const QString &languageFile = QString());

    // Parses the arguments and runs the command; returns the exit status.
    int run(int argc, char **argv);

private:
    int get(const QStringList &names);
    int set(const QString &name, const QString &value, bool exact);
    int doFunction(const QString &name, const QString &argument, bool hasArgument);

    ConsoleMessages m_messages;
    ConsoleReport m_report;
    PrinterLink m_link;
    CommandProtocol m_protocol;
    ConfigCommand m_config;
    std::ostream &m_out;
    std::ostream &m_err;
};
