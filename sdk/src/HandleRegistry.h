#pragma once

#include "PrinterHandle.h"

#include <memory>
#include <mutex>
#include <vector>

namespace prtsdk
{

// Owns every handle the library has given out. Handles live until the process
// ends: callers keep opening ports through a handle after destroying it.
class HandleRegistry
{
public:
    static HandleRegistry &instance();

    PrinterHandle *create();
    // The handle behind an opaque pointer, or nullptr when it is not one of ours.
    PrinterHandle *find(const void *opaque);

private:
    std::mutex m_mutex;
    std::vector<std::unique_ptr<PrinterHandle>> m_handles;
};

} // namespace prtsdk
