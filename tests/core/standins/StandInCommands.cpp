// Records every call of the commands library. Built twice: completely, and
// with STANDIN_PARTIAL, without some entry points, to show that the program
// skips what it cannot bind.

#include "PrtCommandsApi.h"
#include "StandInJournal.h"

namespace
{
std::int32_t permissionResult = 0;
std::uint8_t permissionGranted = 0;
std::u16string permissionMessage;
} // namespace

STANDIN_EXPORT void StandIn_SetPermission(std::int32_t result, std::uint8_t granted,
                                          const char16_t *message)
{
    permissionResult = result;
    permissionGranted = granted;
    permissionMessage = message;
}

STANDIN_EXPORT void PRT_LIBCALL CmdsInit()
{
    standin::record(u"CmdsInit");
}

STANDIN_EXPORT void PRT_LIBCALL Cmds_SetIsDebug(std::int32_t isDebug)
{
    standin::record(u"Cmds_SetIsDebug", standin::number(isDebug));
}

STANDIN_EXPORT void PRT_LIBCALL Cmds_SetBaseDbgPath(const char16_t *folder)
{
    standin::record(u"Cmds_SetBaseDbgPath", standin::text(folder));
}

#ifndef STANDIN_PARTIAL
STANDIN_EXPORT void PRT_LIBCALL Cmds_SetLogFile(const char16_t *fileName)
{
    standin::record(u"Cmds_SetLogFile", standin::text(fileName));
}
#endif

STANDIN_EXPORT void PRT_LIBCALL Cmds_SetToolType(const char16_t *toolType)
{
    standin::record(u"Cmds_SetToolType", standin::text(toolType));
}

STANDIN_EXPORT void PRT_LIBCALL Cmds_SetOemCo(const char16_t *oemCo)
{
    standin::record(u"Cmds_SetOemCo", standin::text(oemCo));
}

STANDIN_EXPORT void PRT_LIBCALL Cmds_TrySetAppToReady()
{
    standin::record(u"Cmds_TrySetAppToReady");
}

STANDIN_EXPORT void PRT_LIBCALL Cmds_GetAppIsReady()
{
    standin::record(u"Cmds_GetAppIsReady");
}

STANDIN_EXPORT void PRT_LIBCALL Cmds_SetPrinterDefName(const char16_t *model)
{
    standin::record(u"Cmds_SetPrinterDefName", standin::text(model));
}

#ifndef STANDIN_PARTIAL
STANDIN_EXPORT void PRT_LIBCALL Cmds_SetPrinterBasName(const char16_t *model)
{
    standin::record(u"Cmds_SetPrinterBasName", standin::text(model));
}

STANDIN_EXPORT std::int32_t PRT_LIBCALL Cmds_GetPermissionByNo(const char16_t *number,
                                                               std::uint8_t *granted,
                                                               char16_t *message)
{
    standin::record(u"Cmds_GetPermissionByNo", standin::text(number));
    *granted = permissionGranted;
    permissionMessage.copy(message, 254);
    return permissionResult;
}
#endif

STANDIN_EXPORT void PRT_LIBCALL CmdsUnInit()
{
    standin::record(u"CmdsUnInit");
}
