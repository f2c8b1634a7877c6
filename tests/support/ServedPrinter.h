#pragma once

#include "SimServer.h"
#include "VirtualPrinter.h"

#include <QString>

#include <memory>
#include <thread>

// The virtual printer served over TCP loopback and a pseudo-terminal from a
// thread of the test, for as long as the object lives.
class ServedPrinter
{
public:
    explicit ServedPrinter(prtsim::ServerOptions options = {});
    ~ServedPrinter();
    ServedPrinter(const ServedPrinter &) = delete;
    ServedPrinter &operator=(const ServedPrinter &) = delete;

    bool opened() const { return m_opened; }
    // NET,127.0.0.1:PORT
    QString descriptor() const;
    // COM7 mapped to the pseudo-terminal, as a user maps an adapter.
    QString serialDescriptor() const;

    virtualprinter::VirtualPrinter printer;

private:
    // The address part of an announced endpoint: "tcp HOST:PORT" or "pty PATH".
    QString endpoint(const char *kind) const;

    std::unique_ptr<prtsim::SimServer> m_server;
    std::thread m_thread;
    bool m_opened = false;
};
