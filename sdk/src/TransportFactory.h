#pragma once

#include "Transport.h"

#include <cstdint>
#include <memory>
#include <string>

namespace prtsdk
{

// The one place that reads port descriptors: turns a descriptor text into the
// transport that reaches the printer it names.
class TransportFactory
{
public:
    struct Result {
        int32_t status;
        std::unique_ptr<Transport> transport;
    };

    static Result create(const std::string &descriptor);
};

} // namespace prtsdk
