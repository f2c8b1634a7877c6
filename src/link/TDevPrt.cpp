#include "TDevPrt.h"

TDevPrt::TDevPrt(PrinterApi &api) : m_api(api) {}

void TDevPrt::DrainHandle(PrinterApi &api, void *handle)
{
    uint8_t byte = 0;
    int32_t count = 0;
    while (api.ReadData(handle, &byte, 1, &count) == 0 && count > 0)
        count = 0;
}
