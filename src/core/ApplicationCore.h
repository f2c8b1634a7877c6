#pragma once

#include "ProcessFlags.h"
#include "ShutdownSequence.h"

#include <QString>
#include <QStringList>

#include <memory>

class Clock;
class Dialogs;
class IdentityDialog;
class PrinterApi;
class SystemLanguage;
class TConstLangV;
class TConstVar;
class TGlobalFunc;
class TGlobalVar;
class TKestVar;

// The program's non-window objects, created in a fixed order before the first
// window and released in a fixed order when the main window goes. Each is
// reached through this object: null before its creation and after its
// release.
class ApplicationCore
{
public:
    // What the program gets from its surroundings; tests give their own.
    struct Environment {
        QStringList arguments; // the program itself first
        QString programFolder;
        QString localAppData;
        QString debugDrive;
        QString mutexFolder;
    };

    // What the core uses but does not own.
    struct Services {
        Dialogs &dialogs;
        const Clock &clock;
        const SystemLanguage &systemLanguage;
        PrinterApi &printerApi;
        IdentityDialog *identityDialog = nullptr;
    };

    // The permission the commands library grants for key commands.
    static const QString KeyCommandPermission;

    static QString Title();
    // The surroundings of the running program.
    static Environment SystemEnvironment(const QStringList &arguments);

    ApplicationCore(Environment environment, Services services);
    ~ApplicationCore();

    ApplicationCore(const ApplicationCore &) = delete;
    ApplicationCore &operator=(const ApplicationCore &) = delete;

    void StartUp();
    // Empty when everything was released cleanly, else the tagged failure.
    QString ShutDown();
    // The release steps in their order, for ShutDown.
    ShutdownSequence ShutDownSequence();

    // A model chosen in the main window: the settings, the commands library
    // and the capability table learn it, and the key-command mode follows the
    // library's permission.
    void ApplyModelSelection(const QString &model);

    ProcessFlags &Flags() { return m_flags; }
    TGlobalFunc *Func() const { return m_func.get(); }
    TConstVar *Constants() const { return m_constants.get(); }
    TGlobalVar *Globals() const { return m_globals.get(); }
    TConstLangV *Texts() const { return m_texts.get(); }
    TKestVar *Settings() const { return m_settings.get(); }

private:
    void CreateGlobals();
    void CreateTexts();
    void CreateSettings();

    Environment m_environment;
    Services m_services;
    ProcessFlags m_flags;
    std::unique_ptr<TGlobalFunc> m_func;
    std::unique_ptr<TConstVar> m_constants;
    std::unique_ptr<TGlobalVar> m_globals;
    std::unique_ptr<TConstLangV> m_texts;
    std::unique_ptr<TKestVar> m_settings;
};
