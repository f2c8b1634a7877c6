#include "CommandFrame.h"

namespace
{

const QByteArray kLineEnd("\r\n");

QByteArray quoted(const QString &text)
{
    return '"' + CommandFrame::wireBytes(text) + '"';
}

} // namespace

QByteArray CommandFrame::prefix()
{
    return QByteArray("\x1b\x1c& V1 ", 7);
}

QByteArray CommandFrame::wireBytes(const QString &text)
{
    return text.toLatin1();
}

QString CommandFrame::replyText(const QByteArray &reply)
{
    QByteArray kept = reply;
    kept.replace('\0', QByteArray());
    return QString::fromLatin1(kept);
}

QByteArray CommandFrame::getVal(const QString &name)
{
    return prefix() + "getval " + wireBytes(name) + kLineEnd;
}

QByteArray CommandFrame::setVal(const QString &name, const QString &value)
{
    return prefix() + "setval " + wireBytes(name) + ' ' + quoted(value) + kLineEnd;
}

QByteArray CommandFrame::doCmd(const QString &name)
{
    return prefix() + "do " + wireBytes(name) + kLineEnd;
}

QByteArray CommandFrame::doCmdArg(const QString &name, const QString &argument)
{
    return prefix() + "do " + wireBytes(name) + ' ' + quoted(argument) + kLineEnd;
}

QByteArray CommandFrame::doCmdArgs(const QString &name, const QString &first, const QString &second)
{
    return prefix() + "do " + wireBytes(name) + ' ' + wireBytes(first) + ' ' + quoted(second) +
           kLineEnd;
}

QByteArray CommandFrame::keyFrame(const char *command, uint8_t zone, uint16_t key)
{
    QByteArray frame = prefix() + command + kLineEnd;
    frame.append(static_cast<char>(zone));
    frame.append(static_cast<char>(key & 0xFF));
    frame.append(static_cast<char>(key >> 8));
    frame.append('\x01');
    return frame;
}

QByteArray CommandFrame::getKey(uint8_t zone, uint16_t key)
{
    return keyFrame("getkey", zone, key);
}

QByteArray CommandFrame::setKey(uint8_t zone, uint16_t key, uint8_t value)
{
    return keyFrame("setkey", zone, key) + static_cast<char>(value);
}
