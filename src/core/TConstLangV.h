#pragma once

#include "LanguageFont.h"
#include "LanguageLibrary.h"
#include "MessageTexts.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class SystemLanguage;
class TGlobalFunc;

// Every text the user sees is looked up by key in the language files beside
// the program. Windows look their keys up in the window language's section
// of the main file (UiText); the text table loads a fixed list of keys in the
// table language, for most languages from a file of its own (TableText). An
// optional language library may answer lookups instead of the files.
class TConstLangV
{
public:
    struct Setup {
        QString configFolder; // the program folder, ending with the separator
        QString firstArgument;
        bool debugMode = false;
        bool debugMarkerExists = false;
        QString toolType;
        QString oemCo;
    };

    static const QString MasterFile;

    TConstLangV(const Setup &setup, TGlobalFunc &func, const SystemLanguage &system);
    ~TConstLangV();

    TConstLangV(const TConstLangV &) = delete;
    TConstLangV &operator=(const TConstLangV &) = delete;

    // Window texts.
    QString ReadUiText(const QString &file, const QString &section, const QString &key);
    QString UiText(const QString &key);

    // Table texts.
    QString LanguageFilePath(const QString &file, const QString &section) const;
    QString ReadLangText(const QString &file, const QString &section, const QString &key);
    QString ReadLangTextVia(const QString &file, const QString &section, const QString &key);
    QString TableText(const QString &key);

    // From here on, lookups in the main file for Simplified Chinese and
    // Brazilian Portuguese are answered by the language library.
    void InstallLibraryHook() { m_hookInstalled = true; }

    QString ChooseTableLanguage();
    QString ChooseWindowLanguage();
    const QString &TableLanguage() const { return m_tableLanguage; }
    void SetTableLanguage(const QString &id) { m_tableLanguage = id; }
    const QString &WindowLanguage() const { return m_windowLanguage; }
    void SetWindowLanguage(const QString &id) { m_windowLanguage = id; }
    const QString &SwitchLanguage() const { return m_switchLanguage; }
    const QString &LanguageName() const { return m_languageName; }
    const QString &WindowLanguageName() const { return m_windowLanguageName; }

    // Tells the language library the table language and its file.
    void PushLanguage();

    // Loads every key of the text table in the table language.
    void LoadTexts();
    // The loaded text of a table key; empty before loading.
    QString Entry(const QString &key) const { return m_entries.value(key); }
    static QString OnText() { return QStringLiteral("ON"); }
    static QString OffText() { return QStringLiteral("OFF"); }

    // Display names of the known languages by id, from section "Global".
    const QHash<QString, QString> &DisplayNames() const { return m_displayNames; }
    static QStringList PortWords();

    void LoadMessageTexts();
    const MessageTexts &Messages() const { return m_messages; }

    // The language font, from the main file in the table language's section.
    const std::optional<LanguageFont> &LoadLanguageFont();
    const std::optional<LanguageFont> &Font() const { return m_font; }

    // The main window's first show: choose the window language, load the
    // message texts and the table, let the window apply its texts, then load
    // the table again with the language library in place.
    void InitialiseMainWindowLanguage(const std::function<void()> &applyMainWindowTexts);

    // Says goodbye to the language library; false when it could not be
    // unloaded.
    bool Release();

private:
    QString AfterHook(const QString &file, const QString &section, const QString &key,
                      const QString &value);
    QString OfferedLanguages(const char *question);
    bool IsOffered(const QString &id, const QString &offered) const;
    QString ReadLanguageCollect(const QString &key);
    void ReadDisplayNames();
    void StartLibrary();
    static QString LoadedText(const QString &key, QString text);

    TGlobalFunc &m_func;
    const SystemLanguage &m_system;
    Setup m_setup;
    QString m_switchLanguage;
    QString m_tableLanguage;
    bool m_tableLanguageChosen = false;
    QString m_languageName;
    QString m_windowLanguage;
    QString m_windowLanguageName;
    QHash<QString, QString> m_displayNames;
    QHash<QString, QString> m_entries;
    MessageTexts m_messages;
    std::optional<LanguageFont> m_font;
    LanguageLibrary m_library;
    bool m_hookInstalled = false;
    bool m_released = false;
};
