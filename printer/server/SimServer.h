#pragma once

#include "FileDescriptor.h"
#include "PseudoTerminal.h"
#include "ServerOptions.h"
#include "TcpListener.h"
#include "VirtualPrinter.h"
#include "WakePipe.h"

#include <poll.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace prtsim
{

// Serves one virtual printer on a TCP port and a pseudo-terminal. Like a
// printer it takes one TCP connection at a time; the next one waits until
// the current one closes.
class SimServer
{
public:
    using Sleeper = std::function<void(std::chrono::milliseconds)>;

    // A reply stuck this long because nobody reads is dropped.
    static constexpr std::chrono::milliseconds WriteTimeout{5000};

    SimServer(virtualprinter::VirtualPrinter &printer, ServerOptions options,
              Sleeper sleeper = realSleep);

    // Binds the listener and creates the pseudo-terminal. False with a message.
    bool open(std::string &error);
    // One line per endpoint: "tcp HOST:PORT" or "pty PATH".
    std::vector<std::string> endpoints() const;
    // Serves until stop(); 0 when the state could be kept, else 1.
    int run();
    // From any thread.
    void stop() const { m_wake.wake(); }
    // For a signal handler that stops the server.
    int wakeFd() const { return m_wake.writeFd(); }

    static void realSleep(std::chrono::milliseconds duration);

private:
    enum class Source { None, Tcp, Pty };

    std::vector<pollfd> pollSet() const;
    void acceptClient();
    void serveClient();
    void servePty();
    void closeClient();
    void deliver(Source source, std::string_view bytes, int replyFd);
    static bool inputWaiting(int fd);
    bool writeAll(int fd, std::string_view bytes, bool isSocket) const;
    bool saveIfChanged();

    virtualprinter::VirtualPrinter &m_printer;
    ServerOptions m_options;
    Sleeper m_sleeper;
    WakePipe m_wake;
    std::optional<TcpListener> m_listener;
    std::optional<PseudoTerminal> m_pty;
    FileDescriptor m_client;
    std::uint64_t m_clientBytes = 0;
    Source m_lastSource = Source::None;
    std::uint64_t m_savedRevision = 0;
    bool m_saveFailed = false;
};

} // namespace prtsim
