#include "CommandsLibrary.h"

#include "LibraryCall.h"
#include "WideBuffer.h"

CommandsLibrary::CommandsLibrary(const QString &programFolder)
    : m_library(OptionalLibrary::beside(programFolder, QStringLiteral("PrtCommandsDll")))
{
}

bool CommandsLibrary::Load()
{
    const bool loaded = m_library.load();
    m_library.bind(m_init, "CmdsInit");
    m_library.bind(m_setIsDebug, "Cmds_SetIsDebug");
    m_library.bind(m_setBaseDbgPath, "Cmds_SetBaseDbgPath");
    m_library.bind(m_setLogFile, "Cmds_SetLogFile");
    m_library.bind(m_setToolType, "Cmds_SetToolType");
    m_library.bind(m_setOemCo, "Cmds_SetOemCo");
    m_library.bind(m_trySetAppToReady, "Cmds_TrySetAppToReady");
    m_library.bind(m_getAppIsReady, "Cmds_GetAppIsReady");
    m_library.bind(m_setPrinterDefName, "Cmds_SetPrinterDefName");
    m_library.bind(m_setPrinterBasName, "Cmds_SetPrinterBasName");
    m_library.bind(m_getPermissionByNo, "Cmds_GetPermissionByNo");
    m_library.bind(m_unInit, "CmdsUnInit");
    return loaded;
}

void CommandsLibrary::Init()
{
    LibraryCall::ifBound(m_init);
}

void CommandsLibrary::SetIsDebug(bool debugMode)
{
    LibraryCall::ifBound(m_setIsDebug, debugMode ? 1 : 0);
}

void CommandsLibrary::SetBaseDbgPath(const QString &logFolder)
{
    LibraryCall::ifBound(m_setBaseDbgPath, LibraryCall::text(logFolder));
}

void CommandsLibrary::SetLogFile(const QString &logFileName)
{
    LibraryCall::ifBound(m_setLogFile, LibraryCall::text(logFileName));
}

void CommandsLibrary::SetToolType(const QString &toolType)
{
    LibraryCall::ifBound(m_setToolType, LibraryCall::text(toolType));
}

void CommandsLibrary::SetOemCo(const QString &oemCo)
{
    LibraryCall::ifBound(m_setOemCo, LibraryCall::text(oemCo));
}

void CommandsLibrary::TrySetAppToReady()
{
    LibraryCall::ifBound(m_trySetAppToReady);
}

void CommandsLibrary::GetAppIsReady()
{
    LibraryCall::ifBound(m_getAppIsReady);
}

void CommandsLibrary::SetPrinterDefName(const QString &model)
{
    LibraryCall::ifBound(m_setPrinterDefName, LibraryCall::text(model));
}

void CommandsLibrary::SetPrinterBasName(const QString &model)
{
    LibraryCall::ifBound(m_setPrinterBasName, LibraryCall::text(model));
}

CommandsLibrary::Permission CommandsLibrary::GetPermissionByNo(const QString &number)
{
    Permission permission;
    if (!m_getPermissionByNo)
        return permission;
    const WideBuffer numberBuffer(number);
    WideBuffer messageBuffer;
    std::uint8_t granted = 0;
    permission.result = m_getPermissionByNo(numberBuffer.data(), &granted, messageBuffer.data());
    permission.granted = granted != 0;
    permission.message = messageBuffer.text();
    return permission;
}

void CommandsLibrary::UnInit()
{
    LibraryCall::ifBound(m_unInit);
}
