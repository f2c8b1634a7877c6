#pragma once

#include "CapabilityTable.h"
#include "NamedMutex.h"
#include "TDevPrt.h"

#include <QString>

class PrinterApi;
class ProcessFlags;
class TConstVar;
class TGlobalFunc;

// What the program keeps about the current printer between windows and
// across runs: the system section of the settings file in the OEM data
// folder, the selected model, the second printer record, the automatic label
// mode's switch words. Capability questions of the windows come here.
class TKestVar
{
public:
    struct Setup {
        QString programFolder;
        QString dataFolder; // the OEM profile's; empty for the base profile
        QString mutexFolder = NamedMutex::defaultFolder();
    };

    static constexpr int MaxFileNameLength = 128;

    TKestVar(const Setup &setup, TGlobalFunc &func, const TConstVar &constants,
             const ProcessFlags &flags, PrinterApi &printerApi);

    const QString SysPmSection = QStringLiteral("SysPm");
    const QString KeyLastSelPrtName = QStringLiteral("LastSelPrtName");
    const QString KeyFwServiceAddr = QStringLiteral("PFwVServiceUrlAddr");
    const QString KeyCheckFwWhenRun = QStringLiteral("CheckPrtFwVerWhenRun");
    const QString KeyCheckFwWhenSelPrt = QStringLiteral("CheckPrtFwVerWhenSelPrt");

    // The firmware-version service; written to the file, never contacted.
    static QString FwServiceAddr();

    bool HasFeature(const QString &feature, QString *modelList = nullptr) const;
    CapabilityTable &Capabilities() { return m_capabilities; }

    void SetSelectedModel(const QString &model) { m_selectedModel = model; }
    const QString &GetSelectedModel() const { return m_selectedModel; }

    // One value of the settings file; errors are shown as a notice and give
    // an empty text, or leave the value unstored.
    QString ReadSysPm(const QString &section, const QString &key);
    void WriteSysPm(const QString &section, const QString &key, const QString &value);

    const QString &SysPmFile() const { return m_sysPmFile; }
    const QString &LastSelPrtName() const { return m_lastSelPrtName; }
    const QString &CheckFwWhenRun() const { return m_checkFwWhenRun; }
    const QString &CheckFwWhenSelPrt() const { return m_checkFwWhenSelPrt; }

    // The automatic label mode's words, as key values in key-command mode.
    QString SwitchOnWord() const;
    QString SwitchOffWord() const;

    TDevPrt &DevPrt() { return m_devPrt; }
    NamedMutex &SettingsMutex() { return m_settingsMutex; }

private:
    void CreateProgramFolderFiles(const QString &programFolder);
    void InitSysPmSection(const TConstVar &constants);

    TGlobalFunc &m_func;
    const ProcessFlags &m_flags;
    CapabilityTable m_capabilities;
    QString m_selectedModel;
    QString m_sysPmFile;
    QString m_lastSelPrtName;
    QString m_checkFwWhenRun;
    QString m_checkFwWhenSelPrt;
    TDevPrt m_devPrt;
    NamedMutex m_settingsMutex;
};
