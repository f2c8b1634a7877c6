#pragma once

#include "PrinterApi.h"

#include <QByteArray>

#include <vector>

// Passes every call on to another printer library and keeps the bytes
// written, so a test sees what went to a real (virtual) printer and in
// which order. Used by one thread at a time, like the link.
class TappedPrinterApi : public PrinterApi
{
public:
    explicit TappedPrinterApi(PrinterApi &inner) : m_inner(inner) {}

    int32_t PrinterCreator(void **handle, const char16_t *model) override
    {
        return m_inner.PrinterCreator(handle, model);
    }
    int32_t PortOpen(void *handle, const char16_t *descriptor) override
    {
        return m_inner.PortOpen(handle, descriptor);
    }
    int32_t WriteData(void *handle, const uint8_t *bytes, int32_t count) override
    {
        writes.emplace_back(reinterpret_cast<const char *>(bytes), count);
        return m_inner.WriteData(handle, bytes, count);
    }
    int32_t ReadData(void *handle, uint8_t *buffer, int32_t capacity, int32_t *count) override
    {
        return m_inner.ReadData(handle, buffer, capacity, count);
    }
    int32_t ReadDataEOF(void *handle, uint8_t *buffer, int32_t offset, int32_t capacity,
                        uint8_t flag1, uint8_t flag2, int32_t *count) override
    {
        return m_inner.ReadDataEOF(handle, buffer, offset, capacity, flag1, flag2, count);
    }
    int32_t PortClose(void *handle) override { return m_inner.PortClose(handle); }
    int32_t PrinterDestroy(void **handle) override { return m_inner.PrinterDestroy(handle); }

    std::vector<QByteArray> writes;

private:
    PrinterApi &m_inner;
};
