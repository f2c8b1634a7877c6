#pragma once

#include <cstdint>

// The seven functions of the printer-communication library, as a table the
// link calls through, so tests can put a scripted printer in its place.
class PrinterApi
{
public:
    virtual ~PrinterApi() = default;

    virtual int32_t PrinterCreator(void **handle, const char16_t *model) = 0;
    virtual int32_t PortOpen(void *handle, const char16_t *descriptor) = 0;
    virtual int32_t WriteData(void *handle, const uint8_t *bytes, int32_t count) = 0;
    virtual int32_t ReadData(void *handle, uint8_t *buffer, int32_t capacity, int32_t *count) = 0;
    virtual int32_t ReadDataEOF(void *handle, uint8_t *buffer, int32_t offset, int32_t capacity,
                                uint8_t flag1, uint8_t flag2, int32_t *count) = 0;
    virtual int32_t PortClose(void *handle) = 0;
    virtual int32_t PrinterDestroy(void **handle) = 0;
};
