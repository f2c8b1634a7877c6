#pragma once

#include "PrinterApi.h"

// A second view of the printer, kept by the settings: a copy of the printer
// handle, used to throw away stale input before a stored-file command.
class TDevPrt
{
public:
    explicit TDevPrt(PrinterApi &api);

    void SetHandle(void *handle) { m_handle = handle; }
    void *Handle() const { return m_handle; }

    void Drain() { DrainHandle(m_api, m_handle); }

    // Reads and discards one byte at a time until a read fails or comes back
    // empty. Shared with the link, which drains the same way.
    static void DrainHandle(PrinterApi &api, void *handle);

private:
    PrinterApi &m_api;
    void *m_handle = nullptr;
};
