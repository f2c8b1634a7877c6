#include "PrinterLink.h"

#include "TDevPrt.h"

#include <QVector>

#include <algorithm>
#include <cstdlib>

namespace
{

constexpr char16_t kModel[] = u"PM90";

// The codes that have a message text of their own; -20 shares the text of -21.
bool hasErrorKey(int32_t code)
{
    static const QVector<QPair<int32_t, int32_t>> ranges = {
        {-1, -4},     {-6, -11},    {-21, -22},   {-25, -25},   {-30, -30},
        {-100, -102}, {-300, -302}, {-304, -304}, {-308, -313}, {-321, -322},
        {-331, -332}, {-341, -341}, {-351, -352}, {-361, -361}, {-371, -373},
        {-401, -401}, {-411, -411}, {-501, -501}, {-511, -511}, {-1100, -1112},
    };
    return std::any_of(ranges.begin(), ranges.end(), [code](const auto &range) {
        return code <= range.first && code >= range.second;
    });
}

} // namespace

PrinterLink::PrinterLink(PrinterApi &api, Sleeper &sleeper, LinkMessages &messages)
    : m_api(api), m_sleeper(sleeper), m_messages(messages)
{
}

int32_t PrinterLink::CreatePrinter()
{
    m_lastResult = m_api.PrinterCreator(&m_handle, kModel);
    if (m_lastResult != 0)
        m_messages.showError(m_messages.text(QStringLiteral("_Err_CreatePrinter")) + ':' +
                             QString::number(m_lastResult));
    return m_lastResult;
}

int32_t PrinterLink::openGate()
{
    if (!m_handle)
        return kNoHandle;
    return m_api.PortOpen(m_handle, reinterpret_cast<const char16_t *>(m_currentPort.utf16()));
}

void PrinterLink::showOpenFailure(int32_t code, bool plain)
{
    const QString key = ErrorKeyOf(code);
    if (!plain && code == -372 && !key.isNull()) {
        m_messages.showError(m_messages.text(key));
        return;
    }
    m_messages.showError(m_messages.text(QStringLiteral("_Err_OpenPort")) + ':' +
                         QString::number(code));
}

bool PrinterLink::OpenLink()
{
    m_lastResult = openGate();
    const bool opened = m_lastResult == 0 || m_lastResult == kAlreadyOpen;
    if (!opened)
        showOpenFailure(m_lastResult, false);
    return opened;
}

bool PrinterLink::OpenLinkPlain()
{
    m_lastResult = openGate();
    const bool opened = m_lastResult == 0 || m_lastResult == kAlreadyOpen;
    if (!opened)
        showOpenFailure(m_lastResult, true);
    return opened;
}

void PrinterLink::CloseLink()
{
    m_api.PortClose(m_handle);
    m_api.PrinterDestroy(&m_handle);
    // The port is closed whoever held it: a hold left standing would make
    // the next HoldPort skip its open and talk to a closed port.
    m_portHeld = false;
}

void PrinterLink::ReopenLink()
{
    m_api.PortClose(m_handle);
    m_lastResult = openGate();
}

bool PrinterLink::HoldPort()
{
    if (m_portHeld)
        return true;
    m_lastResult = openGate();
    if (m_lastResult != 0) {
        showOpenFailure(m_lastResult, false);
        return false;
    }
    m_portHeld = true;
    return true;
}

void PrinterLink::ReleasePort()
{
    if (!m_portHeld)
        return;
    m_api.PortClose(m_handle);
    m_portHeld = false;
}

int32_t PrinterLink::LinkWrite(const QByteArray &bytes)
{
    m_lastResult = m_api.WriteData(m_handle, reinterpret_cast<const uint8_t *>(bytes.constData()),
                                   static_cast<int32_t>(bytes.size()));
    return m_lastResult;
}

int32_t PrinterLink::LinkRead(QByteArray &bytes, int capacity)
{
    bytes.resize(std::max(capacity, 0));
    int32_t count = 0;
    m_lastResult = m_api.ReadData(m_handle, reinterpret_cast<uint8_t *>(bytes.data()),
                                  static_cast<int32_t>(bytes.size()), &count);
    bytes.resize(std::clamp<qsizetype>(count, 0, bytes.size()));
    return m_lastResult;
}

int32_t PrinterLink::ReadReply(QByteArray &bytes, int capacity)
{
    bytes.resize(std::max(capacity, 0));
    int32_t count = 0;
    m_lastResult = m_api.ReadDataEOF(m_handle, reinterpret_cast<uint8_t *>(bytes.data()), 0,
                                     static_cast<int32_t>(bytes.size()), 0, 0, &count);
    bytes.resize(std::clamp<qsizetype>(count, 0, bytes.size()));
    return m_lastResult;
}

int32_t PrinterLink::ReadWithRetry(QByteArray &bytes, int size, int tries, int pauseMs)
{
    bytes.clear();
    int32_t status = 0;
    for (int i = 0; i < tries; ++i) {
        QByteArray piece;
        status = LinkRead(piece, size);
        // Several short reads can add up to more than was asked for; the
        // caller's buffer holds `size` bytes, so the excess is dropped.
        bytes.append(piece.left(std::max<qsizetype>(size - bytes.size(), 0)));
        if (piece.size() == size)
            break;
        m_sleeper.sleep(pauseMs);
    }
    return status;
}

void PrinterLink::DrainInput()
{
    TDevPrt::DrainHandle(m_api, m_handle);
}

void PrinterLink::PortPause(const QString &tag)
{
    if (m_currentPort.startsWith(QLatin1String("NET")))
        m_sleeper.sleep(250);
    else if (m_currentPort.startsWith(QLatin1String("LPT")))
        m_sleeper.sleep(500);
    else if (tag == QLatin1String("DL"))
        m_sleeper.sleep(20);
    else
        m_sleeper.sleep(100);
}

QString PrinterLink::ErrorKeyOf(int32_t code)
{
    if (code == -20)
        code = -21;
    if (!hasErrorKey(code))
        return QString();
    return QStringLiteral("_Error_") + QString::number(std::abs(code));
}

void PrinterLink::SelectPort(const QString &descriptor)
{
    ReleasePort();
    m_currentPort = descriptor;
}
