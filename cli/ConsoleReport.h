#pragma once

#include <QString>

#include <cstdint>
#include <iosfwd>

class PrinterLink;

// How the tool ends a command that failed: one clear line on standard error
// and exit status 1.
class ConsoleReport
{
public:
    static constexpr int Failure = 1;

    explicit ConsoleReport(std::ostream &err) : m_err(err) {}

    int Fail(const QString &message);
    int FailOpen(const PrinterLink &link);
    // A library code in words, with the code itself.
    static QString Meaning(int32_t code);

private:
    std::ostream &m_err;
};
