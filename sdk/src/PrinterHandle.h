#pragma once

#include "Transport.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

namespace prtsdk
{

// What a printer handle points at: the port currently open, if any. Calls on
// one handle are serialised so that two threads never interleave on a port.
class PrinterHandle
{
public:
    int32_t open(const std::string &descriptor);
    int32_t close();
    int32_t write(const uint8_t *bytes, int32_t count);
    int32_t read(uint8_t *buffer, int32_t capacity, int32_t &count);
    int32_t readReply(uint8_t *buffer, int32_t capacity, int32_t &count);

private:
    std::mutex m_mutex;
    std::unique_ptr<Transport> m_transport;
};

} // namespace prtsdk
