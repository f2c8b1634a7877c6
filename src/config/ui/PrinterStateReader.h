#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class CommandProtocol;
class PrinterLink;
class TConstLangV;

// Reads the printer's state and puts it into words: one line for every
// condition that keeps the printer from being ready, or the ready line.
class PrinterStateReader
{
public:
    static constexpr int ReplySize = 5;

    PrinterStateReader(PrinterLink &link, CommandProtocol &protocol, TConstLangV &texts);

    // Nothing when the port did not open or the printer sent nothing back.
    std::optional<QString> Read();

private:
    // The language keys of the lines the reply shows, in their order.
    static QStringList LineKeys(const QByteArray &reply);
    // The lines joined with CR LF, no line end after the last.
    QString StateText(const QByteArray &reply);

    PrinterLink &m_link;
    CommandProtocol &m_protocol;
    TConstLangV &m_texts;
};
