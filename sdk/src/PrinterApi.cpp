// The seven exported functions: argument checks, tracing, and hand-over to
// the handle behind the opaque pointer.
#include "HandleRegistry.h"
#include "Trace.h"
#include "prtsdk.h"

#include <string>

using prtsdk::HandleRegistry;
using prtsdk::PrinterHandle;
using prtsdk::Trace;

namespace
{

// Descriptors and model names are plain ASCII; anything wider cannot name a
// port, so it is kept as a character no descriptor contains.
std::string narrow(const prt_char16 *text)
{
    std::string result;
    for (; *text; ++text)
        result += *text < 0x80 ? static_cast<char>(*text) : '\x7f';
    return result;
}

int32_t traced(const char *function, const void *handle, int32_t status)
{
    Trace::call(function, handle, status);
    return status;
}

} // namespace

extern "C" {

PRT_API int32_t PrinterCreator(void **handle, const prt_char16 *model)
{
    if (!handle || !model)
        return traced("PrinterCreator", nullptr, PRT_ERR_ARG);
    if (!*model)
        return traced("PrinterCreator", nullptr, PRT_ERR_MODEL);
    *handle = HandleRegistry::instance().create();
    return traced("PrinterCreator", *handle, PRT_OK);
}

PRT_API int32_t PortOpen(void *handle, const prt_char16 *descriptor)
{
    PrinterHandle *printer = HandleRegistry::instance().find(handle);
    if (!printer)
        return traced("PortOpen", handle, PRT_ERR_HANDLE);
    if (!descriptor)
        return traced("PortOpen", handle, PRT_ERR_ARG);
    return traced("PortOpen", handle, printer->open(narrow(descriptor)));
}

PRT_API int32_t WriteData(void *handle, const uint8_t *bytes, int32_t count)
{
    PrinterHandle *printer = HandleRegistry::instance().find(handle);
    if (!printer)
        return traced("WriteData", handle, PRT_ERR_HANDLE);
    if ((!bytes && count > 0) || count < 0)
        return traced("WriteData", handle, PRT_ERR_ARG);
    Trace::bytes("write", bytes, static_cast<size_t>(count));
    return traced("WriteData", handle, printer->write(bytes, count));
}

PRT_API int32_t ReadData(void *handle, uint8_t *buffer, int32_t capacity, int32_t *count)
{
    PrinterHandle *printer = HandleRegistry::instance().find(handle);
    if (!printer)
        return traced("ReadData", handle, PRT_ERR_HANDLE);
    if (!buffer || !count || capacity < 0)
        return traced("ReadData", handle, PRT_ERR_ARG);
    const int32_t status = printer->read(buffer, capacity, *count);
    Trace::bytes("read", buffer, static_cast<size_t>(*count));
    return traced("ReadData", handle, status);
}

PRT_API int32_t ReadDataEOF(void *handle, uint8_t *buffer, int32_t offset, int32_t capacity,
                            uint8_t flag1, uint8_t flag2, int32_t *count)
{
    PrinterHandle *printer = HandleRegistry::instance().find(handle);
    if (!printer)
        return traced("ReadDataEOF", handle, PRT_ERR_HANDLE);
    if (!buffer || !count || capacity < 0 || offset != 0 || flag1 != 0 || flag2 != 0)
        return traced("ReadDataEOF", handle, PRT_ERR_ARG);
    const int32_t status = printer->readReply(buffer, capacity, *count);
    Trace::bytes("reply", buffer, static_cast<size_t>(*count));
    return traced("ReadDataEOF", handle, status);
}

PRT_API int32_t PortClose(void *handle)
{
    PrinterHandle *printer = HandleRegistry::instance().find(handle);
    if (!printer)
        return traced("PortClose", handle, PRT_ERR_HANDLE);
    return traced("PortClose", handle, printer->close());
}

PRT_API int32_t PrinterDestroy(void **handle)
{
    if (!handle)
        return traced("PrinterDestroy", nullptr, PRT_ERR_ARG);
    PrinterHandle *printer = HandleRegistry::instance().find(*handle);
    if (!printer)
        return traced("PrinterDestroy", *handle, PRT_ERR_HANDLE);
    printer->close();
    return traced("PrinterDestroy", *handle, PRT_OK);
}

} // extern "C"
