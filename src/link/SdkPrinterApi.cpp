#include "SdkPrinterApi.h"

#include "prtsdk.h"

static_assert(sizeof(char16_t) == sizeof(prt_char16));

namespace
{

const prt_char16 *wide(const char16_t *text)
{
    return reinterpret_cast<const prt_char16 *>(text);
}

} // namespace

int32_t SdkPrinterApi::PrinterCreator(void **handle, const char16_t *model)
{
    return ::PrinterCreator(handle, wide(model));
}

int32_t SdkPrinterApi::PortOpen(void *handle, const char16_t *descriptor)
{
    return ::PortOpen(handle, wide(descriptor));
}

int32_t SdkPrinterApi::WriteData(void *handle, const uint8_t *bytes, int32_t count)
{
    return ::WriteData(handle, bytes, count);
}

int32_t SdkPrinterApi::ReadData(void *handle, uint8_t *buffer, int32_t capacity, int32_t *count)
{
    return ::ReadData(handle, buffer, capacity, count);
}

int32_t SdkPrinterApi::ReadDataEOF(void *handle, uint8_t *buffer, int32_t offset, int32_t capacity,
                                   uint8_t flag1, uint8_t flag2, int32_t *count)
{
    return ::ReadDataEOF(handle, buffer, offset, capacity, flag1, flag2, count);
}

int32_t SdkPrinterApi::PortClose(void *handle)
{
    return ::PortClose(handle);
}

int32_t SdkPrinterApi::PrinterDestroy(void **handle)
{
    return ::PrinterDestroy(handle);
}
