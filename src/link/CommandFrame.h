#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// The bytes of every command the printer understands. Names are passed with
// their double quotes, as the vocabulary stores them; values and arguments
// are quoted here. Text goes out one byte per character.
class CommandFrame
{
public:
    static QByteArray prefix();
    static QByteArray getVal(const QString &name);
    static QByteArray setVal(const QString &name, const QString &value);
    static QByteArray doCmd(const QString &name);
    static QByteArray doCmdArg(const QString &name, const QString &argument);
    // The first argument is a vocabulary name and comes already quoted.
    static QByteArray doCmdArgs(const QString &name, const QString &first, const QString &second);
    static QByteArray getKey(uint8_t zone, uint16_t key);
    static QByteArray setKey(uint8_t zone, uint16_t key, uint8_t value);

    // Reply bytes as text: zero bytes are dropped, every other byte is the
    // character of the same code.
    static QString replyText(const QByteArray &reply);
    // Text as wire bytes; a character beyond one byte cannot be sent and
    // goes out as "?".
    static QByteArray wireBytes(const QString &text);

private:
    static QByteArray keyFrame(const char *command, uint8_t zone, uint16_t key);
};
