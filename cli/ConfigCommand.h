#pragma once

#include "ConfigMessages.h"
#include "ConsoleDialogs.h"
#include "ReadOutcome.h"

#include <QString>

#include <iosfwd>
#include <string>

namespace CLI
{
class App;
}

class CommandProtocol;
class ConfigModel;
class ConsoleMessages;
class ConsoleReport;
class PrinterLink;

// "config read" and "config write": the configuration pages of the window
// from the command line, through the same reader, writer and parameter
// files, so either can load what the other saved.
class ConfigCommand
{
public:
    ConfigCommand(PrinterLink &link, CommandProtocol &protocol, ConsoleMessages &texts,
                  ConsoleReport &report, std::ostream &out);

    // Adds "config" with "read" and "write" to the tool's command line.
    void AddTo(CLI::App &app);
    bool Chosen() const;
    // Runs the chosen command; the exit status.
    int Run(const QString &printerModel);

private:
    int read(const QString &printerModel);
    int write();
    int readFailure(const ReadOutcome &outcome);
    int save(const ConfigModel &model);

    PrinterLink &m_link;
    CommandProtocol &m_protocol;
    ConsoleReport &m_report;
    ConsoleDialogs m_dialogs;
    ConfigMessages m_messages;
    std::ostream &m_out;
    CLI::App *m_config = nullptr;
    CLI::App *m_read = nullptr;
    std::string m_outputFile;
    bool m_json = false;
    std::string m_inputFile;
};
