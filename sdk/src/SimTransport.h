#pragma once

#include "Transport.h"

#include <string>

namespace prtsdk
{

// The built-in virtual printer, reached without any hardware. All handles
// share one printer, which keeps its settings until the process ends, as a
// real printer keeps them between connections.
class SimTransport : public Transport
{
public:
    ~SimTransport() override;

    int32_t open() override;
    void close() override;
    int32_t write(const uint8_t *bytes, size_t count, int timeoutMs) override;
    int32_t read(uint8_t *buffer, size_t capacity, int timeoutMs, size_t &count) override;

private:
    bool m_open = false;
    // The printer answers as soon as a frame is complete, so whatever it has
    // not yet been read lies here; nothing more can arrive later.
    std::string m_pending;
};

} // namespace prtsdk
