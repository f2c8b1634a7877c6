#include "CommandProtocol.h"

#include "CommandFrame.h"

namespace
{

constexpr int kReplyCapacity = 128;
constexpr int kLongReplyCapacity = 255;
constexpr int kPatientRetryMs = 2000;
constexpr int kKeyReplyDelayMs = 50;

// Only ASCII capitals are folded: the printer's words are plain ASCII and
// other letters of a value must reach it unchanged.
QString asciiLower(QString text)
{
    for (QChar &c : text)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    return text;
}

} // namespace

CommandProtocol::CommandProtocol(PrinterLink &link) : m_link(link) {}

QString CommandProtocol::queryText(const QString &name, int capacity, bool recordLength)
{
    m_link.LinkWrite(CommandFrame::getVal(name));
    m_link.PortPause();
    QByteArray reply;
    const int32_t status = m_link.ReadReply(reply, capacity);
    if (recordLength)
        m_link.SetLastReplyLength(static_cast<int32_t>(reply.size()));
    return status == 0 ? CommandFrame::replyText(reply) : QString();
}

QString CommandProtocol::GetVal(const QString &name)
{
    return queryText(name, kReplyCapacity, true);
}

QString CommandProtocol::GetValLong(const QString &name)
{
    return queryText(name, kLongReplyCapacity, false);
}

QString CommandProtocol::GetValPatient(const QString &name)
{
    m_link.LinkWrite(CommandFrame::getVal(name));
    m_link.PortPause();
    QByteArray reply;
    int32_t status = m_link.ReadReply(reply, kLongReplyCapacity);
    if (status != 0 || reply.isEmpty()) {
        // Some printers are still busy with the previous command; one late
        // look is enough to tell a slow printer from a silent one.
        m_link.sleeper().sleep(kPatientRetryMs);
        status = m_link.ReadReply(reply, kLongReplyCapacity);
    }
    return status == 0 ? CommandFrame::replyText(reply) : QString();
}

int CommandProtocol::GetValRaw(const QString &name, QByteArray &buffer, int capacity)
{
    buffer.clear();
    if (!m_link.OpenLink())
        return 0;
    m_link.LinkWrite(CommandFrame::getVal(name));
    m_link.PortPause();
    const int32_t status = m_link.ReadReply(buffer, capacity);
    m_link.CloseLink();
    return status == 0 ? static_cast<int>(buffer.size()) : -1;
}

int CommandProtocol::writeResult(const QByteArray &frame)
{
    return m_link.LinkWrite(frame) == 0 ? 0 : -1;
}

int CommandProtocol::SetVal(const QString &name, const QString &value)
{
    return writeResult(CommandFrame::setVal(name, asciiLower(value)));
}

int CommandProtocol::SetValExact(const QString &name, const QString &value)
{
    return writeResult(CommandFrame::setVal(name, value));
}

int CommandProtocol::openedCommand(const QByteArray &frame, bool closeAfter)
{
    // A failed open has already been shown to the user; the command itself
    // did not fail, so it reports 0.
    if (!m_link.OpenLink())
        return 0;
    const int result = writeResult(frame);
    if (closeAfter)
        m_link.CloseLink();
    return result;
}

int CommandProtocol::DoCmd(const QString &name)
{
    return openedCommand(CommandFrame::doCmd(name), true);
}

int CommandProtocol::DoCmdArg(const QString &name, const QString &argument)
{
    return openedCommand(CommandFrame::doCmdArg(name, argument), true);
}

int CommandProtocol::DoCmdArgOpenOnly(const QString &name, const QString &argument)
{
    return openedCommand(CommandFrame::doCmdArg(name, argument), false);
}

int CommandProtocol::DoCmdArgs(const QString &name, const QString &first, const QString &second)
{
    return openedCommand(CommandFrame::doCmdArgs(name, first, second), false);
}

CommandProtocol::KeyResult CommandProtocol::GetKey(uint8_t zone, uint16_t key, QByteArray &buffer,
                                                   bool openFirst)
{
    buffer.clear();
    if (openFirst && !m_link.OpenLinkPlain())
        return {};
    m_link.LinkWrite(CommandFrame::getKey(zone, key));
    m_link.sleeper().sleep(kKeyReplyDelayMs);
    const int32_t status = m_link.LinkRead(buffer, 1);
    if (openFirst)
        m_link.CloseLink();
    if (status != 0)
        return {-1, false};
    return {static_cast<int>(buffer.size()), !buffer.isEmpty()};
}

CommandProtocol::KeyResult CommandProtocol::SetKey(uint8_t zone, uint16_t key, uint8_t value)
{
    const bool written = m_link.LinkWrite(CommandFrame::setKey(zone, key, value)) == 0;
    return {written ? 0 : -1, written};
}

CommandProtocol::KeyResult CommandProtocol::DoKeyed(const QString &name, bool openFirst)
{
    if (openFirst && !m_link.OpenLinkPlain())
        return {};
    const bool written = m_link.LinkWrite(CommandFrame::doCmd(name)) == 0;
    if (openFirst)
        m_link.CloseLink();
    return {written ? 0 : -1, written};
}

bool CommandProtocol::ReplyPresent(const QString &reply) const
{
    return !reply.isEmpty() || m_link.LastReplyLength() != 0;
}
