#include "ApplicationCore.h"

#include "NamedMutex.h"
#include "PlatformPaths.h"
#include "TConstLangV.h"
#include "TConstVar.h"
#include "TGlobalFunc.h"
#include "TGlobalVar.h"
#include "TKestVar.h"

#include <QFile>

const QString ApplicationCore::KeyCommandPermission = QStringLiteral("436");

QString ApplicationCore::Title()
{
    return QStringLiteral("Vasko PM44PRO FULL Utility");
}

ApplicationCore::Environment ApplicationCore::SystemEnvironment(const QStringList &arguments)
{
    return {arguments, PlatformPaths::programFolder(), PlatformPaths::localAppData(),
            TGlobalVar::DefaultDebugDrive(), NamedMutex::defaultFolder()};
}

ApplicationCore::ApplicationCore(Environment environment, Services services)
    : m_environment(std::move(environment)), m_services(services)
{
}

ApplicationCore::~ApplicationCore()
{
    ShutDown();
}

void ApplicationCore::StartUp()
{
    m_flags = ProcessFlags::FromArguments(m_environment.arguments);
    m_func = std::make_unique<TGlobalFunc>(m_services.dialogs, m_services.clock);
    m_constants = std::make_unique<TConstVar>();
    CreateGlobals();
    CreateTexts();
    m_globals->CreateProfile(m_texts->DisplayNames());
    CreateSettings();
}

void ApplicationCore::CreateGlobals()
{
    TGlobalVar::Setup setup{m_environment.programFolder, m_environment.localAppData,
                            m_environment.debugDrive, m_environment.mutexFolder};
    // Only a developer's machine carries the marker; elsewhere nothing is asked.
    setup.debugAsked = QFile::exists(TGlobalVar::DebugMarker(m_environment.debugDrive));
    setup.debugAnswer = setup.debugAsked && m_func->AskOkCancel(QStringLiteral("Enter DMode?"));
    m_globals = std::make_unique<TGlobalVar>(setup, *m_func, m_services.identityDialog);
}

void ApplicationCore::CreateTexts()
{
    TConstLangV::Setup setup;
    setup.configFolder = m_globals->ConfigFolder();
    setup.firstArgument = m_flags.FirstArgument;
    setup.debugMode = m_globals->DebugMode();
    setup.debugMarkerExists = QFile::exists(TGlobalVar::DebugMarker(m_environment.debugDrive));
    setup.toolType = m_globals->ToolType();
    setup.oemCo = m_globals->OemCo();
    m_texts = std::make_unique<TConstLangV>(setup, *m_func, m_services.systemLanguage);
    m_texts->InstallLibraryHook();
}

void ApplicationCore::CreateSettings()
{
    const TKestVar::Setup setup{m_environment.programFolder, m_globals->OemProfile()->DataFolder(),
                                m_environment.mutexFolder};
    m_settings =
        std::make_unique<TKestVar>(setup, *m_func, *m_constants, m_flags, m_services.printerApi);
    m_globals->SetSettingsMutex(&m_settings->SettingsMutex());
}

ShutdownSequence ApplicationCore::ShutDownSequence()
{
    ShutdownSequence sequence;
    sequence.Add(QStringLiteral("settings"), [this] {
        if (m_globals)
            m_globals->SetSettingsMutex(nullptr);
        m_settings.reset();
        return QString();
    });
    sequence.Add(QStringLiteral("language table"), [this] {
        const bool released = !m_texts || m_texts->Release();
        m_texts.reset();
        return released ? QString() : QStringLiteral("the language library could not be unloaded");
    });
    sequence.Add(QStringLiteral("application globals"), [this] {
        const QString failure = m_globals ? m_globals->Release() : QString();
        m_globals.reset();
        return failure;
    });
    sequence.Add(QStringLiteral("utilities"), [this] {
        m_func.reset();
        return QString();
    });
    sequence.Add(QStringLiteral("value-word constants"), [this] {
        m_constants.reset();
        return QString();
    });
    return sequence;
}

QString ApplicationCore::ShutDown()
{
    return ShutDownSequence().Run();
}

void ApplicationCore::ApplyModelSelection(const QString &model)
{
    m_settings->SetSelectedModel(model);
    m_settings->WriteSysPm(m_settings->SysPmSection, m_settings->KeyLastSelPrtName, model);
    m_globals->SetPrinterNames(m_settings->GetSelectedModel());
    m_settings->Capabilities().SetFeatureModel(model);
    m_flags.KeyCommandMode = m_globals->QueryPermission(KeyCommandPermission).result == 1;
}
