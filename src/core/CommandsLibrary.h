#pragma once

#include "OptionalLibrary.h"
#include "PrtCommandsApi.h"

#include <QString>

#include <cstdint>

// The optional commands library beside the program. The program tells it
// the run's facts (debug mode, log places, tool identity, chosen model) and
// asks it for permissions. Every call through an entry point the library
// lacks is skipped, so the program runs the same without it.
class CommandsLibrary
{
public:
    struct Permission {
        std::int32_t result = 0;
        bool granted = false;
        QString message;
    };

    explicit CommandsLibrary(const QString &programFolder);

    // Loads the library when its file exists and binds every entry point.
    bool Load();
    bool FileExists() const { return m_library.fileExists(); }
    bool Unload() { return m_library.unload(); }
    QString ErrorString() const { return m_library.errorString(); }

    void Init();
    void SetIsDebug(bool debugMode);
    void SetBaseDbgPath(const QString &logFolder);
    void SetLogFile(const QString &logFileName);
    void SetToolType(const QString &toolType);
    void SetOemCo(const QString &oemCo);
    void TrySetAppToReady();
    void GetAppIsReady();
    void SetPrinterDefName(const QString &model);
    void SetPrinterBasName(const QString &model);
    Permission GetPermissionByNo(const QString &number);
    void UnInit();

private:
    OptionalLibrary m_library;
    decltype(&CmdsInit) m_init = nullptr;
    decltype(&Cmds_SetIsDebug) m_setIsDebug = nullptr;
    decltype(&Cmds_SetBaseDbgPath) m_setBaseDbgPath = nullptr;
    decltype(&Cmds_SetLogFile) m_setLogFile = nullptr;
    decltype(&Cmds_SetToolType) m_setToolType = nullptr;
    decltype(&Cmds_SetOemCo) m_setOemCo = nullptr;
    decltype(&Cmds_TrySetAppToReady) m_trySetAppToReady = nullptr;
    decltype(&Cmds_GetAppIsReady) m_getAppIsReady = nullptr;
    decltype(&Cmds_SetPrinterDefName) m_setPrinterDefName = nullptr;
    decltype(&Cmds_SetPrinterBasName) m_setPrinterBasName = nullptr;
    decltype(&Cmds_GetPermissionByNo) m_getPermissionByNo = nullptr;
    decltype(&CmdsUnInit) m_unInit = nullptr;
};
