#pragma once

#include "CommandProtocol.h"
#include "ConsoleMessages.h"
#include "PrinterLink.h"

#include <QString>
#include <QStringList>

#include <iosfwd>

// The command-line tool: reads a printer's values, sets them and runs its
// functions through the same link the window uses.
class PrtUtil
{
public:
    PrtUtil(PrinterApi &api, Sleeper &sleeper, std::ostream &out, std::ostream &err);

    // Parses the arguments and runs the command; returns the exit status.
    int run(int argc, char **argv);

private:
    int get(const QStringList &names);
    int set(const QString &name, const QString &value, bool exact);
    int doFunction(const QString &name, const QString &argument, bool hasArgument);
    int failOpen();
    int fail(const QString &message);
    QString failureMeaning(int32_t code) const;

    ConsoleMessages m_messages;
    PrinterLink m_link;
    CommandProtocol m_protocol;
    std::ostream &m_out;
    std::ostream &m_err;
};
