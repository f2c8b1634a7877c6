#include "TKestVar.h"

#include "IniFile.h"
#include "PlatformPaths.h"
#include "ProcessFlags.h"
#include "TConstVar.h"
#include "TGlobalFunc.h"

#include <utility>

namespace
{
const QString kSettingsMutexName = QStringLiteral("THP_Gypfy_BMA45HJ99242984F2P431Z2OPVD93216");
const QString kReadFailed = QStringLiteral("(ERRNO:20210803_102301)");
const QString kWriteFailed = QStringLiteral("(ERRNO:20210803_102300)");

QString sysPmFileIn(const QString &dataFolder)
{
    const QString name = QStringLiteral("PrtConfig_SysPm.ini");
    return dataFolder.isEmpty() ? name : PlatformPaths::join(dataFolder, name);
}
} // namespace

TKestVar::TKestVar(const Setup &setup, TGlobalFunc &func, const TConstVar &constants,
                   const ProcessFlags &flags, PrinterApi &printerApi)
    : m_func(func), m_flags(flags), m_sysPmFile(sysPmFileIn(setup.dataFolder)),
      m_devPrt(printerApi), m_settingsMutex(kSettingsMutexName, setup.mutexFolder)
{
    CreateProgramFolderFiles(setup.programFolder);
    IniFile(m_sysPmFile).ensureExists();
    InitSysPmSection(constants);
}

QString TKestVar::FwServiceAddr()
{
    return QStringLiteral("https://firmware.pelko-printers.example/portal/Pelko/getList");
}

bool TKestVar::HasFeature(const QString &feature, QString *modelList) const
{
    return m_capabilities.HasFeature(feature, modelList);
}

QString TKestVar::ReadSysPm(const QString &section, const QString &key)
{
    IniFile file(m_sysPmFile);
    const QString value = file.ensureExists() ? file.readString(section, key) : QString();
    if (!file.errorString().isEmpty()) {
        m_func.ShowInfo(file.errorString() + kReadFailed);
        return QString();
    }
    return value;
}

void TKestVar::WriteSysPm(const QString &section, const QString &key, const QString &value)
{
    IniFile file(m_sysPmFile);
    if (!file.ensureExists() || !file.writeString(section, key, value))
        m_func.ShowInfo(file.errorString() + kWriteFailed);
}

QString TKestVar::SwitchOnWord() const
{
    return m_flags.KeyCommandMode ? QStringLiteral("1") : QStringLiteral("on");
}

QString TKestVar::SwitchOffWord() const
{
    return m_flags.KeyCommandMode ? QStringLiteral("0") : QStringLiteral("off");
}

void TKestVar::CreateProgramFolderFiles(const QString &programFolder)
{
    for (const char *name : {"PrtInfo.ini", "PrtConfig_User.ini"})
        IniFile(PlatformPaths::join(programFolder, QString::fromLatin1(name))).ensureExists();
}

void TKestVar::InitSysPmSection(const TConstVar &constants)
{
    const std::pair<QString, QString> defaults[] = {
        {KeyLastSelPrtName, QString()},
        {KeyFwServiceAddr, FwServiceAddr()},
        {KeyCheckFwWhenRun, constants.DefaultOff},
        {KeyCheckFwWhenSelPrt, constants.DefaultOff},
    };
    // A key counts as present when a read would find it, so a default never
    // overwrites a stored value whose name differs only in case.
    const QStringList present = IniFile(m_sysPmFile).keys(SysPmSection);
    for (const auto &[key, value] : defaults) {
        if (!present.contains(key, Qt::CaseInsensitive))
            WriteSysPm(SysPmSection, key, value);
    }
    m_lastSelPrtName = ReadSysPm(SysPmSection, KeyLastSelPrtName);
    m_checkFwWhenRun = ReadSysPm(SysPmSection, KeyCheckFwWhenRun);
    m_checkFwWhenSelPrt = ReadSysPm(SysPmSection, KeyCheckFwWhenSelPrt);
}
