#pragma once

#include <cstdint>
#include <string>

// The far end of a TCP connection on 127.0.0.1, driven by the test: accept,
// receive, send and close happen when the test asks for them. The listening
// port is chosen by the system.
class LoopbackPeer
{
public:
    LoopbackPeer();
    ~LoopbackPeer();
    LoopbackPeer(const LoopbackPeer &) = delete;
    LoopbackPeer &operator=(const LoopbackPeer &) = delete;

    uint16_t port() const { return m_port; }
    std::string descriptor() const;

    bool accept(int timeoutMs = 2000);
    // One receive call: what a single segment, or several joined, delivered.
    std::string receiveOnce(int timeoutMs = 2000);
    void send(const std::string &bytes);
    void closeConnection();

    // A port on which nothing listens, for refused connections.
    static uint16_t unusedPort();

private:
    int m_listener = -1;
    int m_connection = -1;
    uint16_t m_port = 0;
};
