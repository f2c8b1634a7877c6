#pragma once

#include "PrinterLink.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

// The printer's text commands (get a value, set a value, run a function) and
// its binary key frames, on top of the link. Every operation leaves the
// status of its last library call in the link's LastResult.
class CommandProtocol
{
public:
    // Key operations report a result and, separately, whether they worked.
    struct KeyResult {
        int result = 0;
        bool ok = false;
    };

    explicit CommandProtocol(PrinterLink &link);

    QString GetVal(const QString &name);
    QString GetValLong(const QString &name);
    QString GetValPatient(const QString &name);
    int GetValRaw(const QString &name, QByteArray &buffer, int capacity);

    int SetVal(const QString &name, const QString &value);
    int SetValExact(const QString &name, const QString &value);

    int DoCmd(const QString &name);
    int DoCmdArg(const QString &name, const QString &argument);
    int DoCmdArgOpenOnly(const QString &name, const QString &argument);
    int DoCmdArgs(const QString &name, const QString &first, const QString &second);

    KeyResult GetKey(uint8_t zone, uint16_t key, QByteArray &buffer, bool openFirst);
    KeyResult SetKey(uint8_t zone, uint16_t key, uint8_t value);
    KeyResult DoKeyed(const QString &name, bool openFirst);

    // A parameter query counts as answered when its text is not empty or the
    // printer sent any byte at all.
    bool ReplyPresent(const QString &reply) const;

private:
    QString queryText(const QString &name, int capacity, bool recordLength);
    int writeResult(const QByteArray &frame);
    int openedCommand(const QByteArray &frame, bool closeAfter);

    PrinterLink &m_link;
};
