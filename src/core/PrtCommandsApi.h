#pragma once

// The entry points of the optional commands library "PrtDll/PrtCommandsDll".
// The program never links against them: it binds each by name when the
// library is present. Texts are NUL-terminated UTF-16.

#include "PrtCallingConvention.h"

#include <cstdint>

extern "C" {
void PRT_LIBCALL CmdsInit();
void PRT_LIBCALL Cmds_SetIsDebug(std::int32_t isDebug);
void PRT_LIBCALL Cmds_SetBaseDbgPath(const char16_t *folder);
void PRT_LIBCALL Cmds_SetLogFile(const char16_t *fileName);
void PRT_LIBCALL Cmds_SetToolType(const char16_t *toolType);
void PRT_LIBCALL Cmds_SetOemCo(const char16_t *oemCo);
void PRT_LIBCALL Cmds_TrySetAppToReady();
void PRT_LIBCALL Cmds_GetAppIsReady();
void PRT_LIBCALL Cmds_SetPrinterDefName(const char16_t *model);
void PRT_LIBCALL Cmds_SetPrinterBasName(const char16_t *model);
// The number is in a 255-character buffer, the message buffer holds 255
// characters; 1 means granted.
std::int32_t PRT_LIBCALL Cmds_GetPermissionByNo(const char16_t *number, std::uint8_t *granted,
                                                char16_t *message);
void PRT_LIBCALL CmdsUnInit();
}
