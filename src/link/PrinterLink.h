#pragma once

#include "LinkMessages.h"
#include "PrinterApi.h"
#include "Sleeper.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

// The only way to the printer: owns the one printer handle, the current port
// descriptor and the status of the last library call, and offers the open,
// hold, close, write and read steps every exchange is made of.
//
// One exchange at a time: callers keep to it (buttons are disabled while a
// worker or a transfer runs); the link itself takes no lock.
class PrinterLink
{
public:
    // Returned by a library open when the port is already open; the plain
    // opens accept it, a held port must really be opened by this call.
    static constexpr int32_t kAlreadyOpen = 5;
    // Returned by the gate when no printer handle exists yet.
    static constexpr int32_t kNoHandle = -6;

    PrinterLink(PrinterApi &api, Sleeper &sleeper, LinkMessages &messages);

    int32_t CreatePrinter();
    bool OpenLink();
    bool OpenLinkPlain();
    void CloseLink();
    void ReopenLink();
    bool HoldPort();
    void ReleasePort();

    int32_t LinkWrite(const QByteArray &bytes);
    // Reads append nothing: `bytes` is replaced by what arrived.
    int32_t LinkRead(QByteArray &bytes, int capacity);
    int32_t ReadReply(QByteArray &bytes, int capacity);
    // Up to `tries` reads of up to `size` bytes each, pausing after every read
    // that does not deliver exactly `size` bytes. Keeps at most `size` bytes.
    int32_t ReadWithRetry(QByteArray &bytes, int size, int tries, int pauseMs);
    void DrainInput();
    void PortPause(const QString &tag = QString());

    // The language key of a library code, or a null string when it has none.
    static QString ErrorKeyOf(int32_t code);

    // A confirmed port choice: the next exchange opens the new port. A port
    // held on the old descriptor is closed first: the printer library keeps
    // one port open per printer, and a port left open would take the next
    // exchange to the old printer.
    void SelectPort(const QString &descriptor);

    QString CurrentPort() const { return m_currentPort; }
    int32_t LastResult() const { return m_lastResult; }
    bool PortHeld() const { return m_portHeld; }
    int32_t LastReplyLength() const { return m_lastReplyLength; }
    void SetLastReplyLength(int32_t length) { m_lastReplyLength = length; }
    void *Handle() const { return m_handle; }
    Sleeper &sleeper() const { return m_sleeper; }

private:
    int32_t openGate();
    void showOpenFailure(int32_t code, bool plain);

    PrinterApi &m_api;
    Sleeper &m_sleeper;
    LinkMessages &m_messages;
    void *m_handle = nullptr;
    QString m_currentPort = QStringLiteral("USB");
    int32_t m_lastResult = 0;
    bool m_portHeld = false;
    int32_t m_lastReplyLength = 0;
};
