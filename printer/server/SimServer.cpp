#include "SimServer.h"

#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <iostream>
#include <thread>

namespace prtsim
{
namespace
{

constexpr std::size_t ReadChunk = 64 * 1024;

bool wouldBlock()
{
    return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
}

} // namespace

SimServer::SimServer(virtualprinter::VirtualPrinter &printer, ServerOptions options,
                     Sleeper sleeper)
    : m_printer(printer), m_options(std::move(options)), m_sleeper(std::move(sleeper)),
      m_savedRevision(printer.revision())
{
}

void SimServer::realSleep(std::chrono::milliseconds duration)
{
    std::this_thread::sleep_for(duration);
}

bool SimServer::open(std::string &error)
{
    if (m_wake.readFd() < 0) {
        error = "cannot create the wake-up pipe";
        return false;
    }
    if (m_options.listen && !(m_listener = TcpListener::open(*m_options.listen, error)))
        return false;
    if (m_options.pty && !(m_pty = PseudoTerminal::open(error)))
        return false;
    return true;
}

std::vector<std::string> SimServer::endpoints() const
{
    std::vector<std::string> lines;
    if (m_listener)
        lines.push_back("tcp " + m_listener->address());
    if (m_pty)
        lines.push_back("pty " + m_pty->path());
    return lines;
}

int SimServer::run()
{
    while (true) {
        std::vector<pollfd> fds = pollSet();
        if (::poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (fds.front().revents != 0)
            break;
        for (const pollfd &entry : fds) {
            if (entry.revents == 0)
                continue;
            if (m_listener && entry.fd == m_listener->fd())
                acceptClient();
            else if (entry.fd == m_client.get())
                serveClient();
            else if (m_pty && entry.fd == m_pty->fd())
                servePty();
        }
    }
    closeClient();
    saveIfChanged();
    return m_saveFailed ? 1 : 0;
}

// The listener is left out while a client is connected, so a second client
// waits in the backlog, as at a printer's single raw port.
std::vector<pollfd> SimServer::pollSet() const
{
    std::vector<pollfd> fds{{m_wake.readFd(), POLLIN, 0}};
    if (m_client.valid())
        fds.push_back({m_client.get(), POLLIN, 0});
    else if (m_listener)
        fds.push_back({m_listener->fd(), POLLIN, 0});
    if (m_pty)
        fds.push_back({m_pty->fd(), POLLIN, 0});
    return fds;
}

void SimServer::acceptClient()
{
    m_client = m_listener->accept();
    m_clientBytes = 0;
}

void SimServer::serveClient()
{
    std::array<char, ReadChunk> buffer;
    const ssize_t count = ::recv(m_client.get(), buffer.data(), buffer.size(), 0);
    if (count < 0 && wouldBlock())
        return;
    if (count <= 0) {
        closeClient();
        return;
    }
    std::string_view bytes(buffer.data(), static_cast<std::size_t>(count));
    bool drop = false;
    if (m_options.dropAfter) {
        const std::uint64_t room = *m_options.dropAfter - m_clientBytes;
        drop = bytes.size() >= room;
        bytes =
            bytes.substr(0, static_cast<std::size_t>(std::min<std::uint64_t>(room, bytes.size())));
    }
    m_clientBytes += bytes.size();
    deliver(Source::Tcp, bytes, m_client.get());
    if (drop)
        closeClient();
}

void SimServer::servePty()
{
    std::array<char, ReadChunk> buffer;
    const ssize_t count = ::read(m_pty->fd(), buffer.data(), buffer.size());
    if (count > 0)
        deliver(Source::Pty, std::string_view(buffer.data(), static_cast<std::size_t>(count)),
                m_pty->fd());
}

void SimServer::closeClient()
{
    if (!m_client.valid())
        return;
    m_client.reset();
    saveIfChanged();
    if (m_lastSource == Source::Tcp) {
        m_printer.disconnect();
        m_lastSource = Source::None;
    }
}

// Input switching from one port to the other ends what the first was sending.
void SimServer::deliver(Source source, std::string_view bytes, int replyFd)
{
    if (source != m_lastSource && m_lastSource != Source::None)
        m_printer.disconnect();
    m_lastSource = source;
    const std::string reply = m_printer.receive(bytes);
    // Saving rewrites the whole file, stored files included, so a burst of
    // settings is saved once, when the host pauses; before the reply, so a
    // host that has its answer finds the state on disk.
    if (!inputWaiting(replyFd))
        saveIfChanged();
    if (reply.empty())
        return;
    if (m_options.delay.count() > 0)
        m_sleeper(m_options.delay);
    const bool isSocket = source == Source::Tcp;
    if (!writeAll(replyFd, reply, isSocket) && isSocket)
        closeClient();
}

bool SimServer::inputWaiting(int fd)
{
    pollfd entry{fd, POLLIN, 0};
    return ::poll(&entry, 1, 0) == 1;
}

bool SimServer::writeAll(int fd, std::string_view bytes, bool isSocket) const
{
    const auto deadline = std::chrono::steady_clock::now() + WriteTimeout;
    while (!bytes.empty()) {
        const ssize_t written = isSocket ? ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL)
                                         : ::write(fd, bytes.data(), bytes.size());
        if (written > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(written));
            continue;
        }
        if (written < 0 && !wouldBlock())
            return false;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        std::array<pollfd, 2> fds{{{fd, POLLOUT, 0}, {m_wake.readFd(), POLLIN, 0}}};
        if (left.count() <= 0)
            return false;
        const int ready = ::poll(fds.data(), fds.size(), static_cast<int>(left.count()));
        if ((ready < 0 && errno != EINTR) || fds[1].revents != 0)
            return false;
    }
    return true;
}

bool SimServer::saveIfChanged()
{
    if (!m_options.stateFile || m_printer.revision() == m_savedRevision)
        return true;
    std::string error;
    if (!m_printer.saveState(*m_options.stateFile, error)) {
        std::cerr << "prtsim: " << error << '\n';
        m_saveFailed = true;
        return false;
    }
    m_savedRevision = m_printer.revision();
    return true;
}

} // namespace prtsim
