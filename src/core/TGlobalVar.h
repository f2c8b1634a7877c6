#pragma once

#include "CommandsLibrary.h"
#include "NamedMutex.h"
#include "TOemClass.h"

#include <QHash>
#include <QString>

#include <memory>

class IdentityDialog;
class TGlobalFunc;

// The program's process-wide facts: its folders, whether it runs in debug
// mode, the tool identity from the option file, the OEM profile, the debug
// log, and the optional commands library that is told all of these.
class TGlobalVar
{
public:
    struct Setup {
        QString programFolder; // ends with the separator
        QString localAppData;  // ends with the separator
        QString debugDrive;    // where the debug marker's folder lies
        QString mutexFolder = NamedMutex::defaultFolder();
        bool debugAsked = false;
        bool debugAnswer = false;
    };

    TGlobalVar(const Setup &setup, TGlobalFunc &func, IdentityDialog *identityDialog);
    ~TGlobalVar();

    TGlobalVar(const TGlobalVar &) = delete;
    TGlobalVar &operator=(const TGlobalVar &) = delete;

    // The file whose presence offers debug mode at start-up.
    static QString DebugMarker(const QString &debugDrive);
    static QString DefaultDebugDrive();

    const QString LineBreak = QStringLiteral("\r\n");
    const QString DebugStamp = QStringLiteral("20191110_084601");

    const QString &ProgramFolder() const { return m_programFolder; }
    const QString &PathDelim() const { return m_pathDelim; }
    bool DebugMode() const { return m_debugMode; }
    const QString &DebugDrive() const { return m_debugDrive; }
    const QString &DebugRoot() const { return m_debugRoot; }
    const QString &DebugBase() const { return m_debugBase; }
    const QString &UserDataFolder() const { return m_userDataFolder; }
    // The debug log's folder, empty outside debug mode, and today's log file
    // (a bare name outside debug mode).
    QString LogFolder() const;
    QString LogFileName() const;

    // Each is computed on first use and stays the same for the run.
    const QString &ConfigFolder();
    const QString &OptionFile();
    void ResolveToolIdentity();
    const QString &ToolType() const { return m_toolType; }
    const QString &OemCo() const { return m_oemCo; }

    // Creates the OEM profile of the tool identity once; later calls keep it.
    TOemClass &CreateProfile(const QHash<QString, QString> &languageNames);
    TOemClass *OemProfile() const { return m_profile.get(); }

    void ShowErrorBox(const QString &text);
    void ShowInfoBox(const QString &text);

    // Appends a line to today's debug log; does nothing outside debug mode.
    // False when the line could not be written.
    bool WriteLog(const QString &text);

    // Tells the commands library the model chosen in the main window.
    void SetPrinterNames(const QString &model);
    CommandsLibrary::Permission QueryPermission(const QString &number);

    NamedMutex &LogMutex() { return m_logMutex; }
    NamedMutex *SettingsMutex() const { return m_settingsMutex; }
    void SetSettingsMutex(NamedMutex *mutex) { m_settingsMutex = mutex; }

    // Frees the profile and says goodbye to the commands library; the error
    // when the library could not be unloaded, else an empty text.
    QString Release();

private:
    QString ReadOptionValue(const QString &key);
    void WriteStartLines();
    void StartCommandsLibrary();

    TGlobalFunc &m_func;
    IdentityDialog *m_identityDialog;
    QString m_programFolder;
    QString m_pathDelim;
    bool m_debugMode = false;
    QString m_debugDrive;
    QString m_debugRoot;
    QString m_debugBase;
    QString m_localAppData;
    QString m_userDataFolder;
    QString m_errorCaption = QStringLiteral("Error");
    QString m_infoCaption = QStringLiteral("Info");
    NamedMutex m_logMutex;
    QString m_configFolder;
    bool m_configKnown = false;
    QString m_optionFile;
    bool m_optionKnown = false;
    QString m_toolType;
    QString m_oemCo;
    bool m_identityKnown = false;
    std::unique_ptr<TOemClass> m_profile;
    CommandsLibrary m_commands;
    NamedMutex *m_settingsMutex = nullptr;
    bool m_released = false;
};
