#include "PrinterStateReader.h"

#include "CommandProtocol.h"
#include "PrinterLink.h"
#include "PrinterName.h"
#include "TConstLangV.h"

namespace
{

// A state bit reads 1 while all is well.
struct StateBit {
    int byte;
    unsigned char mask;
    const char *key;
};

const StateBit kStateBits[] = {
    {0, 2, "PState1"},   {0, 8, "PState3"}, {0, 32, "PState5"}, {0, 64, "Lang_All_00210367_11"},
    {0, 128, "PState7"}, {1, 2, "PState9"},
};

const char kReadyKey[] = "PState0";

} // namespace

PrinterStateReader::PrinterStateReader(PrinterLink &link, CommandProtocol &protocol,
                                       TConstLangV &texts)
    : m_link(link), m_protocol(protocol), m_texts(texts)
{
}

std::optional<QString> PrinterStateReader::Read()
{
    if (!m_link.OpenLink())
        return std::nullopt;
    QByteArray reply;
    const int count =
        m_protocol.GetValRaw(QString::fromLatin1(PrinterName::printer_status), reply, ReplySize);
    std::optional<QString> text;
    if (count > 0)
        text = StateText(reply);
    m_link.ReleasePort();
    return text;
}

QStringList PrinterStateReader::LineKeys(const QByteArray &reply)
{
    QStringList keys;
    for (const StateBit &bit : kStateBits) {
        // A short reply says nothing about the bytes it lacks; no condition is
        // made up from them.
        if (bit.byte < reply.size() &&
            (static_cast<unsigned char>(reply[bit.byte]) & bit.mask) == 0)
            keys << QString::fromLatin1(bit.key);
    }
    if (keys.isEmpty())
        keys << QString::fromLatin1(kReadyKey);
    return keys;
}

QString PrinterStateReader::StateText(const QByteArray &reply)
{
    QStringList lines;
    for (const QString &key : LineKeys(reply)) {
        // The table texts carry the shared "Lang_All_" keys; the rest are the
        // main window's own.
        lines << (key.startsWith(QLatin1String("Lang_All_")) ? m_texts.Entry(key)
                                                             : m_texts.UiText(key));
    }
    return lines.join(QStringLiteral("\r\n"));
}
