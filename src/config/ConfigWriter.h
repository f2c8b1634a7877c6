#pragma once

#include "WritePlan.h"

class CommandProtocol;
class ConfigMessages;
class ConfigModel;
class PrinterLink;

// Sends the model's values to the printer: the set button of the
// configuration pages, which ends with a restart, and the set button of the
// Z page. Runs on the user-interface thread and shows its own messages.
class ConfigWriter
{
public:
    enum class Result {
        Written,     // every command went out
        WriteFailed, // the sequence ran, but the printer took some command badly
        Refused,     // a field lacks a number it needs; nothing was sent
        OpenFailed,  // the port could not be opened; the link has said so
    };

    ConfigWriter(PrinterLink &link, CommandProtocol &protocol, ConfigMessages &messages);

    Result btnSetClick(const ConfigModel &model, bool serviceMode);
    Result btnSet_tabZClick(const ConfigModel &model);
    // Whether both pages hold the numbers they need; shows the first field
    // that does not.
    bool CheckAllPages(const ConfigModel &model, bool serviceMode);
    // A whole parameter file, as the command line writes one: the Z page,
    // then the configuration pages with their restart, which would cut the
    // Z page's exchange short if it came first. Both are checked before
    // anything is sent, so neither goes out half.
    Result WriteAllPages(const ConfigModel &model, bool serviceMode);

private:
    bool refuse(const WritePlan &plan);
    // Sends the commands; the number of commands the link did not take.
    int send(const std::vector<WritePlan::Command> &commands);
    int sendLockIfKnown(const QString &value);
    Result report(int failures, const QString &success);

    PrinterLink &m_link;
    CommandProtocol &m_protocol;
    ConfigMessages &m_messages;
};
