#pragma once

#include "Transport.h"

#include <string>

// A pseudo-terminal pair: a transport opens the far side as its device, the
// test plays the printer on the near side.
class PrinterTerminal
{
public:
    PrinterTerminal();
    ~PrinterTerminal();
    PrinterTerminal(const PrinterTerminal &) = delete;
    PrinterTerminal &operator=(const PrinterTerminal &) = delete;

    const std::string &path() const { return m_path; }
    std::string receive();
    void send(const std::string &bytes);

    // Sends a query through the transport, checks it arrived here, answers
    // "203" and returns what the transport read back.
    std::string roundTrip(prtsdk::Transport &transport);

private:
    int m_master = -1;
    std::string m_path;
};
