#include "TGlobalVar.h"

#include "IdentityDialog.h"
#include "IniFile.h"
#include "OemProfileFactory.h"
#include "PlatformPaths.h"
#include "TGlobalFunc.h"
#include "TextFileCodec.h"

#include <QDir>
#include <QFile>

namespace
{
const QString kLogMutexName = QStringLiteral("LOG_Mutex_0E6D16E74D5F41099016BA0F1AD3D876");
const QString kMarkerFolder = QStringLiteral("kk64253117746652");
const QString kMarkerFile = QStringLiteral("mnote64253117746652.txt");
// Outside debug mode nothing uses the debug base; the text only makes that
// visible.
const QString kUnusedDebugBase = QStringLiteral("x/x\\x");

QString folderIn(const QString &parent, const QString &name)
{
    return PlatformPaths::withSeparator(PlatformPaths::join(parent, name));
}

// Releases the log mutex however the write ends.
class LogLock
{
public:
    explicit LogLock(NamedMutex &mutex) : m_mutex(mutex), m_locked(mutex.lock()) {}
    ~LogLock()
    {
        if (m_locked)
            m_mutex.unlock();
    }
    bool locked() const { return m_locked; }

private:
    NamedMutex &m_mutex;
    bool m_locked;
};
} // namespace

TGlobalVar::TGlobalVar(const Setup &setup, TGlobalFunc &func, IdentityDialog *identityDialog)
    : m_func(func), m_identityDialog(identityDialog),
      m_programFolder(PlatformPaths::withSeparator(setup.programFolder)),
      m_pathDelim(PlatformPaths::separator()), m_debugDrive(setup.debugDrive),
      m_debugRoot(folderIn(setup.debugDrive, kMarkerFolder)),
      m_localAppData(PlatformPaths::withSeparator(setup.localAppData)),
      m_logMutex(kLogMutexName, setup.mutexFolder), m_commands(setup.programFolder)
{
    // A folder that cannot be created is not reported; files in it fail
    // where they are used.
    m_userDataFolder = folderIn(folderIn(m_localAppData, "Pelko"), "UserData");
    PlatformPaths::ensureFolder(m_userDataFolder);
    m_debugMode = setup.debugAsked && setup.debugAnswer;
    m_debugBase =
        m_debugMode ? folderIn(m_debugRoot, "Base_Pelko_" + DebugStamp) : kUnusedDebugBase;
    WriteStartLines();
    ConfigFolder();
    OptionFile();
    ResolveToolIdentity();
    StartCommandsLibrary();
}

TGlobalVar::~TGlobalVar()
{
    Release();
}

QString TGlobalVar::DebugMarker(const QString &debugDrive)
{
    return PlatformPaths::join(folderIn(debugDrive, kMarkerFolder), kMarkerFile);
}

QString TGlobalVar::DefaultDebugDrive()
{
#if defined(Q_OS_WIN)
    return QStringLiteral("C:\\");
#else
    return QDir::rootPath();
#endif
}

QString TGlobalVar::LogFolder() const
{
    return m_debugMode ? folderIn(folderIn(m_debugBase, "Log"), "DebugLog") : QString();
}

QString TGlobalVar::LogFileName() const
{
    return LogFolder() + QStringLiteral("logfile") +
           m_func.Now().toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".log");
}

const QString &TGlobalVar::ConfigFolder()
{
    if (!m_configKnown) {
        m_configFolder = m_programFolder;
        m_configKnown = true;
    }
    return m_configFolder;
}

const QString &TGlobalVar::OptionFile()
{
    if (!m_optionKnown) {
        m_optionFile = QStringLiteral("Option.ini");
        m_optionKnown = true;
    }
    return m_optionFile;
}

void TGlobalVar::ResolveToolIdentity()
{
    if (m_identityKnown)
        return;
    m_identityKnown = true;
    if (m_debugMode && m_identityDialog) {
        const auto choice = m_identityDialog->RunIdentityDialog();
        if (!choice.toolType.isEmpty() && !choice.oemCo.isEmpty()) {
            m_toolType = choice.toolType;
            m_oemCo = choice.oemCo;
            return;
        }
    }
    m_toolType = ReadOptionValue(QStringLiteral("ToolType"));
    m_oemCo = ReadOptionValue(QStringLiteral("OemCo"));
}

QString TGlobalVar::ReadOptionValue(const QString &key)
{
    const QString path = ConfigFolder() + OptionFile();
    if (!QFile::exists(path))
        ShowErrorBox(QStringLiteral("File %1 Not File(ERRNO:20191220_152701)").arg(path));
    return IniFile(path).readString(QStringLiteral("Option"), key);
}

TOemClass &TGlobalVar::CreateProfile(const QHash<QString, QString> &languageNames)
{
    if (!m_profile) {
        m_profile = OemProfileFactory::Create(m_toolType, m_oemCo,
                                              {m_localAppData, languageNames, m_debugMode});
    }
    return *m_profile;
}

void TGlobalVar::ShowErrorBox(const QString &text)
{
    m_func.dialogs().ShowMessage(text, m_errorCaption, Dialogs::Icon::Error);
}

void TGlobalVar::ShowInfoBox(const QString &text)
{
    m_func.dialogs().ShowMessage(text, m_infoCaption, Dialogs::Icon::Information);
}

bool TGlobalVar::WriteLog(const QString &text)
{
    if (!m_debugMode)
        return true;
    const QString line = m_func.Now().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz")) +
                         QLatin1Char(':') + text + LineBreak;
    if (!PlatformPaths::ensureFolder(LogFolder()))
        return false;
    const LogLock lock(m_logMutex);
    QFile file(LogFileName());
    return lock.locked() && file.open(QIODevice::Append) &&
           file.write(TextFileCodec::encode(line)) >= 0;
}

void TGlobalVar::WriteStartLines()
{
    WriteLog(QString());
    WriteLog(QStringLiteral("运行时间:") +
             m_func.Now().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss-zzz")));
}

void TGlobalVar::StartCommandsLibrary()
{
    m_commands.Load();
    m_commands.Init();
    m_commands.SetIsDebug(m_debugMode);
    m_commands.SetBaseDbgPath(LogFolder());
    m_commands.SetLogFile(LogFileName());
    m_commands.SetToolType(m_toolType);
    m_commands.SetOemCo(m_oemCo);
    m_commands.TrySetAppToReady();
    m_commands.GetAppIsReady();
}

void TGlobalVar::SetPrinterNames(const QString &model)
{
    m_commands.SetPrinterDefName(model);
    m_commands.SetPrinterBasName(model);
}

CommandsLibrary::Permission TGlobalVar::QueryPermission(const QString &number)
{
    return m_commands.GetPermissionByNo(number);
}

QString TGlobalVar::Release()
{
    if (m_released)
        return QString();
    m_released = true;
    m_profile.reset();
    m_commands.UnInit();
    if (m_commands.FileExists() && !m_commands.Unload())
        return m_commands.ErrorString();
    return QString();
}
