#include "ServedPrinter.h"

ServedPrinter::ServedPrinter(prtsim::ServerOptions options)
{
    options.listen = "127.0.0.1:0";
    options.pty = true;
    m_server = std::make_unique<prtsim::SimServer>(printer, options);
    std::string error;
    m_opened = m_server->open(error);
    if (m_opened)
        m_thread = std::thread([this] { m_server->run(); });
}

ServedPrinter::~ServedPrinter()
{
    if (!m_opened)
        return;
    m_server->stop();
    m_thread.join();
}

QString ServedPrinter::endpoint(const char *kind) const
{
    for (const std::string &line : m_server->endpoints()) {
        if (line.rfind(kind, 0) == 0)
            return QString::fromStdString(line.substr(4));
    }
    return {};
}

QString ServedPrinter::descriptor() const
{
    return "NET," + endpoint("tcp");
}

QString ServedPrinter::serialDescriptor() const
{
    qputenv("PRT_COM7", endpoint("pty").toLocal8Bit());
    return "COM7,115200,n,8,1,n";
}
