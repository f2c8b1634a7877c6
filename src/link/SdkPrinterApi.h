#pragma once

#include "PrinterApi.h"

// The printer library itself.
class SdkPrinterApi : public PrinterApi
{
public:
    int32_t PrinterCreator(void **handle, const char16_t *model) override;
    int32_t PortOpen(void *handle, const char16_t *descriptor) override;
    int32_t WriteData(void *handle, const uint8_t *bytes, int32_t count) override;
    int32_t ReadData(void *handle, uint8_t *buffer, int32_t capacity, int32_t *count) override;
    int32_t ReadDataEOF(void *handle, uint8_t *buffer, int32_t offset, int32_t capacity,
                        uint8_t flag1, uint8_t flag2, int32_t *count) override;
    int32_t PortClose(void *handle) override;
    int32_t PrinterDestroy(void **handle) override;
};
